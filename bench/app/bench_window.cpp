// How long the window takes to follow a new loan amount when the grid is
// full: sixteen loaded rows of 30-year biweekly quotes, every row refreshed
// (P&I, payment, a payoff simulation of 780 payments and the interest), as a
// user sees it after leaving the amount field.

#include "app/Loan.h"

#include "bench/app/BenchWindow.h"

#include <QApplication>

#include <cstdio>

namespace {

// One frame at 60 frames a second.
constexpr double TargetMilliseconds = 16;
constexpr int Rounds = 7;
constexpr int ChangesPerRound = 20;

void FillGrid(Loan& window)
{
    Bench::FillEveryRow(window, [](CLoan& quote, int) { quote.SetFrequencyCode(QStringLiteral("W")); });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const Bench::PinnedWorld world;

    Loan window;
    window.show();
    FillGrid(window);

    const Bench::Timing rounds = Bench::Measure(Rounds, [&] {
        for (int change = 0; change < ChangesPerRound; ++change)
            window.SetLoanAmount(Money::FromDouble(change % 2 ? 300000 : 299000));
    });
    const double best = rounds.best / ChangesPerRound;

    std::printf("bench_window: new loan amount with %d loaded rows of 30-year biweekly quotes, every row "
                "refreshed: %.2f ms ",
                window.LoadedUpperIndex() + 1, best);
    Bench::PrintTarget(best, TargetMilliseconds);
    return 0;
}
