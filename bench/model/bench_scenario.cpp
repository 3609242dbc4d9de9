// How long saving and loading a scenario take with all 16 quotes filled, on a
// hive in a temporary configuration folder: the user waits for both under the
// hourglass.

#include "bench/BenchSupport.h"
#include "engine/DayCount.h"
#include "model/ScenarioStore.h"

#include <QDate>
#include <QLocale>

#include <cstdio>

namespace {

constexpr double TargetMilliseconds = 50;
constexpr int Rounds = 25;

ScenarioData FullScenario()
{
    ScenarioData data;
    data.LoanType = QStringLiteral("H");
    data.LoanAmount = Money::FromDouble(320000);
    data.LoanTerm = 360;
    data.EscrowTaxes = Money::FromDouble(4200);
    data.EscrowInsurance = Money::FromDouble(1350.5);
    data.CurrentLoanAmount = Money::FromDouble(280000);
    data.CurrentTerm = 360;
    data.CurrentInterestRate = 0.0725;
    data.CurrentBalance = Money::FromDouble(243567.89);
    data.CurrentActualPayment = Money::FromDouble(2100);
    data.CurrentFrequency = QStringLiteral("M");
    data.CurrentActualFrequency = QStringLiteral("W");
    data.CurrentPayment = Money::FromDouble(1910.05);
    data.CurrentNextPayment = DayCount::FromDate(QDate(2027, 1, 1));
    for (int i = 0; i < ScenarioStore::MaxQuotes; ++i) {
        ScenarioQuote quote;
        quote.FinancePoints = i % 2 == 0;
        quote.Points = 0.5 + i * 0.125;
        quote.Term = i % 2 == 0 ? 360 : 180;
        quote.InterestRate = 0.055 + i * 0.00125;
        quote.FrequencyCode = QStringLiteral("MBWQ").mid(i % 4, 1);
        quote.ActualPayment = Money::FromDouble(1900 + 25 * i);
        quote.Who = QStringLiteral("First Savings Bank %1\nJane Roe, loan officer\n555-0100 ext. %1").arg(i);
        data.Quotes.append(quote);
    }
    return data;
}

void Report(const char* what, const Bench::Timing& timing)
{
    std::printf("bench_scenario: %s a scenario with 16 filled quotes: %.2f ms median, %.2f ms worst of %d ",
                what, timing.median, timing.worst, Rounds);
    Bench::PrintTarget(timing.median, TargetMilliseconds);
}

} // namespace

int main()
{
    const Bench::TemporaryConfig config;
    if (!config.IsValid())
        return 1;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    const QString name = QStringLiteral("Benchmark");
    const ScenarioData data = FullScenario();
    // The first save also creates the hive file; that is not what a save costs.
    ScenarioStore::Save(name, data);

    const Bench::Timing save = Bench::Measure(Rounds, [&] { ScenarioStore::Save(name, data); });
    int loadedQuotes = 0;
    const Bench::Timing load =
        Bench::Measure(Rounds, [&] { loadedQuotes = ScenarioStore::Load(name).Data.Quotes.size(); });
    Report("save", save);
    Report("load", load);
    return loadedQuotes == ScenarioStore::MaxQuotes ? 0 : 1;
}
