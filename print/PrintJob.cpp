#include "print/PrintJob.h"

#include "app/Loan.h"
#include "print/PrinterOutput.h"
#include "print/frmPrint.h"

void RunPrintJob(Loan& window, QPrinter& printer)
{
    auto output = std::make_unique<PrinterOutput>(printer);
    if (!output->Begin())
        return;
    auto* progress = new frmPrint(window, std::move(output));
    progress->show();
}

void RunPrintJob(Loan& window, QPrinter& printer, const frmPrint::ReportMaker& makeReport)
{
    auto output = std::make_unique<PrinterOutput>(printer);
    if (!output->Begin())
        return;
    auto* progress = new frmPrint(window, std::move(output), makeReport);
    progress->show();
}
