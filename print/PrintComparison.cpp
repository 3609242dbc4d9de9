#include "print/PrintComparison.h"

#include "print/PrinterOutput.h"
#include "print/frmPrint.h"

void PrintComparison(QWidget& window, const LoanForm& form, const LoanDocument& document, QPrinter& printer)
{
    auto output = std::make_unique<PrinterOutput>(printer);
    if (!output->Begin())
        return;
    auto* progress = new frmPrint(window, form, document, std::move(output));
    progress->show();
}

void PrintComparison(QWidget& window, const LoanForm& form, const LoanDocument& document, QPrinter& printer,
                     const PrintedReport::Maker& makeReport)
{
    auto output = std::make_unique<PrinterOutput>(printer);
    if (!output->Begin())
        return;
    auto* progress = new frmPrint(window, form, document, std::move(output), makeReport);
    progress->show();
}
