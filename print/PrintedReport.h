#pragma once

#include <functional>
#include <memory>

class ReportSurface;

// What a print job draws: the whole report in one run, stopping early when
// the user cancels, and the footer of its last page once the job ends.
class PrintedReport
{
public:
    // Makes the report on a job's page surface, given the yield it calls
    // to let window events run; the yield answers false once cancelled.
    using Maker = std::function<std::unique_ptr<PrintedReport>(ReportSurface&, std::function<bool()>)>;

    virtual ~PrintedReport() = default;

    // False when stopped before the end.
    virtual bool Run() = 0;
    virtual void PrintPageFooter() = 0;
};
