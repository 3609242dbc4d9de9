#pragma once

#include "print/PrintedReport.h"

class LoanDocument;
class LoanForm;
class QPrinter;
class QWidget;

// Prints the comparison the window shows on the printer: shows the progress
// window over window and returns; the job ends when that window closes. A
// printer that does not start is reported and no window opens. The window's
// controls are form's, its scenario document's.
void PrintComparison(QWidget& window, const LoanForm& form, const LoanDocument& document, QPrinter& printer);
// The same job with another report than the comparison.
void PrintComparison(QWidget& window, const LoanForm& form, const LoanDocument& document, QPrinter& printer,
                     const PrintedReport::Maker& makeReport);
