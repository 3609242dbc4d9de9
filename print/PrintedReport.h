#pragma once

#include <functional>
#include <memory>

class QWidget;
class ReportSurface;

// What a print job draws: the whole report in one run, stopping early when
// the user cancels, and the footer of its last page once the job ends.
class PrintedReport
{
public:
    // Makes the report on a job's page surface, given the yield it calls
    // to let window events run; the yield answers false once cancelled.
    using Maker = std::function<std::unique_ptr<PrintedReport>(ReportSurface&, std::function<bool()>)>;
    // Runs a report through the program's printing: to a PDF file or to the
    // printer, its dialogs over the parent; the job's progress window, or
    // none when nothing was started.
    using Runner = std::function<QWidget*(const Maker& makeReport, bool pdf, QWidget* parent)>;

    virtual ~PrintedReport() = default;

    // False when stopped before the end.
    virtual bool Run() = 0;
    virtual void PrintPageFooter() = 0;
};
