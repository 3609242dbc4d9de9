#include "print/PrintJob.h"

#include "app/Loan.h"
#include "print/PrintComparison.h"

void RunPrintJob(Loan& window, QPrinter& printer)
{
    PrintComparison(window, window, window.Document(), printer);
}
