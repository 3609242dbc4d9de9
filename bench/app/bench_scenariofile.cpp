// How long the window takes to save and to load a scenario with all sixteen
// quotes filled, as the user waits for File Save and for picking a name:
// gathering or applying every value, the registry work, and for the load the
// refresh of every row (a payoff simulation per quote).

#include "app/Loan.h"

#include "bench/app/BenchWindow.h"

#include <QApplication>

#include <cstdio>

namespace {

constexpr double TargetMilliseconds = 50;
constexpr int Rounds = 25;

void FillScenario(Loan& window)
{
    window.SetLoanName(QStringLiteral("Casa"));
    window.SetLoanType(window.LoadResString(rsMortgage));
    window.SetEscrowTaxes(Money::FromDouble(4200));
    window.SetEscrowInsurance(Money::FromDouble(1350.5));
    window.SetCurrentLoanAmount(Money::FromDouble(280000));
    window.SetCurrentTerm(360);
    window.SetCurrentInterestRate(0.0725);
    window.SetCurrentBalance(Money::FromDouble(243567.89));
    window.RecalcCurrentPayment();
    Bench::FillEveryRow(window, [](CLoan& quote, int d) {
        quote.SetFrequencyCode(QStringLiteral("MBWQ").mid(d % 4, 1));
        quote.SetPoints(0.5 + d * 0.125);
        quote.SetWho(QStringLiteral("First Savings Bank %1\nJane Roe, loan officer\n555-0100").arg(d));
    });
}

void Report(const char* what, const Bench::Timing& timing)
{
    std::printf("bench_scenariofile: %s a scenario with 16 filled quotes through the window: %.2f ms median, "
                "%.2f ms worst of %d ",
                what, timing.median, timing.worst, Rounds);
    Bench::PrintTarget(timing.median, TargetMilliseconds);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const Bench::PinnedWorld world;

    Loan window;
    window.show();
    FillScenario(window);

    Report("save", Bench::Measure(Rounds, [&] { window.SaveScenario(); }));
    Report("load", Bench::Measure(Rounds, [&] { window.LoadScenario(); }));
    window.SetScenarioChanged(false);
    return MessageBox::Recorded().isEmpty() ? 0 : 1;
}
