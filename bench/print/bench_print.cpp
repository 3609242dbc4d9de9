// How long the comparison takes to become a PDF file: sixteen quote rows,
// each with a three-line lender text, drawn, footed and written, from the
// start of the document to the complete file. Given a file name, the last
// run's PDF is kept there to be looked at.

#include "app/Loan.h"
#include "print/ComparisonReport.h"
#include "print/PrinterOutput.h"
#include "print/PrinterSurface.h"

#include "bench/app/BenchWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr double TargetMilliseconds = 200;
constexpr int Rounds = 9;

void FillGrid(Loan& window)
{
    window.SetLoanName(QStringLiteral("Casa Grande refinance"));
    Bench::FillEveryRow(window, [&window](CLoan& quote, int d) {
        quote.SetFrequencyCode(QStringLiteral("M"));
        quote.SetWho(QStringLiteral("Lender number %1\nAnn Lee, loan officer\n555-0100 extension %1").arg(d));
        window.ShowFrequency(d);
        window.ShowInterestRate(d);
        window.ShowWho(d);
    });
}

bool WritePdf(const Loan& window, QPrinter& printer)
{
    PrinterOutput output(printer);
    if (!output.Begin())
        return false;
    PrinterSurface surface(output.Painter(), printer);
    ComparisonReport report(window, window.Document(), surface, [] { return true; });
    report.Run();
    report.PrintPageFooter();
    return output.Finish();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const Bench::PinnedWorld world;
    Loan window;
    window.show();
    FillGrid(window);

    QTemporaryDir folder;
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : folder.filePath(QStringLiteral("report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(QPageLayout::Landscape);
    bool written = true;
    const Bench::Timing rounds = Bench::Measure(Rounds, [&] { written = WritePdf(window, printer) && written; });

    std::printf("bench_print: PDF of %d quote rows with three-line lender texts: %.1f ms (median %.1f) %s",
                window.LoadedUpperIndex() + 1, rounds.best, rounds.median, written ? "" : "NOT WRITTEN ");
    Bench::PrintTarget(rounds.median, TargetMilliseconds);
    return written ? 0 : 1;
}
