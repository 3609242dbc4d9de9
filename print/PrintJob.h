#pragma once

class Loan;
class QPrinter;

// Prints the window's comparison on the printer as File > Print does once
// its dialog was accepted: shows the progress window and returns; the job
// ends when that window closes. A printer that does not start is reported
// and no window opens.
void RunPrintJob(Loan& window, QPrinter& printer);
