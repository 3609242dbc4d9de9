// How long the costs window takes over a full sheet of sixteen 30-year
// biweekly quotes with points and closing costs and every Loan Estimate
// column filled (lender's APR, lender credit, mortgage insurance ending at
// 78 % of a property value, a first payment two months ahead), against a
// current loan:
// opening it (every APR, schedule, break-even and the chart of seventeen
// lines), and computing it afresh after one edit.

#include "app/Loan.h"
#include "dialogs/frmCosts.h"
#include "engine/DayCount.h"
#include "model/CostsTable.h"
#include "model/LoanDocument.h"

#include "bench/app/BenchWindow.h"

#include <QApplication>

#include <cstdio>

namespace {

constexpr double OpenTargetMilliseconds = 50;
constexpr double EditTargetMilliseconds = 10;
constexpr int Rounds = 7;

void FillScenario(Loan& window)
{
    window.SetCurrentLoanAmount(Money::FromDouble(320000));
    window.SetCurrentTerm(360);
    window.SetCurrentInterestRate(0.075);
    window.SetCurrentBalance(Money::FromDouble(290000));
    window.RecalcCurrentPayment();
    Bench::FillEveryRow(window, [](CLoan& quote, int d) {
        quote.SetFrequencyCode(QStringLiteral("W"));
        quote.SetPoints(d % 3);
        quote.SetClosingCosts(Money::FromDouble(3000 + 100 * d));
        quote.SetLenderCredit(Money::FromDouble(750));
        quote.SetMortgageInsurance(Money::FromDouble(85 + d));
        quote.SetDisclosedApr(0.066 + d / 1000.0);
    });
    LoanDocument& document = window.Document();
    document.SetPropertyValue(Money::FromDouble(300000));
    document.SetFirstPayment(DayCount::AddMonths(document.Today(), 2));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const Bench::PinnedWorld world;
    Loan window;
    window.show();
    FillScenario(window);

    const Bench::Timing open = Bench::Measure(Rounds, [&] {
        frmCosts costs(window.Document(), &window);
        costs.show();
    });
    frmCosts costs(window.Document(), &window);
    costs.show();
    // Typed into the table: the document computes the quote's results, the
    // sheet and the costs window show them.
    const QModelIndex firstClosingCosts = costs.Costs().index(0, CostsTable::ClosingCosts);
    int change = 0;
    const Bench::Timing edit = Bench::Measure(Rounds, [&] {
        costs.Costs().setData(firstClosingCosts, ++change % 2 ? QStringLiteral("4000") : QStringLiteral("3500"));
    });

    CostsTable alone(window.Document());
    const Bench::Timing model = Bench::Measure(Rounds, [&] { alone.Recompute(); });
    std::printf("bench_costs: the figures alone, without the window: %.2f ms\n", model.median);
    std::printf("bench_costs: opening the costs window over %d rows of 30-year biweekly quotes: %.2f ms ",
                costs.Costs().rowCount(), open.median);
    Bench::PrintTarget(open.median, OpenTargetMilliseconds);
    std::printf("bench_costs: computing it afresh after one closing-cost edit: %.2f ms ", edit.median);
    Bench::PrintTarget(edit.median, EditTargetMilliseconds);
    return 0;
}
