// How long the hive takes for what the program does with it: saving one
// scenario of 16 quotes (130 values in one transaction) and a single write.
// Runs on a hive in a temporary configuration folder.

#include "bench/BenchSupport.h"
#include "store/RegistryAPI.h"

#include <cstdio>

using RegistryAPI::Root;

namespace {

const QString Scenario = QStringLiteral("Software\\Zantic Brindlecoft\\Loan\\Bench scenario");
constexpr int ScenarioValues = 18;
constexpr int Quotes = 16;
constexpr int QuoteValues = 7;
constexpr double TargetMs = 20.0;

void write(const QString& name, const QString& text)
{
    RegistryAPI::WriteValue(Root::CurrentUser, Scenario, name, RegistryAPI::REG_SZ, text);
}

// The shape of a scenario save: the old key goes, a new one is made and
// filled, all in one unit.
void saveScenario(int run)
{
    const RegistryAPI::Transaction transaction;
    RegistryAPI::DeleteKey(Root::CurrentUser, Scenario);
    RegistryAPI::CreateKey(Root::CurrentUser, Scenario);
    for (int i = 0; i < ScenarioValues - 1; ++i)
        write(QStringLiteral("Scenario value %1").arg(i), QString::number(250000.5 + run + i));
    for (int quote = 1; quote <= Quotes; ++quote) {
        for (int i = 0; i < QuoteValues; ++i)
            write(QStringLiteral("Loan%1 Value%2").arg(quote).arg(i), QString::number(0.065 + i));
    }
    RegistryAPI::WriteValue(Root::CurrentUser, Scenario, QStringLiteral("LoanCount"),
                            RegistryAPI::REG_DWORD, Quotes);
}

} // namespace

int main()
{
    const Bench::TemporaryConfig config;
    if (!config.IsValid())
        return 1;
    static_assert(ScenarioValues + Quotes * QuoteValues == 130, "one scenario of 16 quotes");

    saveScenario(0);
    int run = 0;
    const Bench::Timing saves = Bench::Measure(40, [&] { saveScenario(++run); });
    int single = 0;
    const Bench::Timing singles =
        Bench::Measure(200, [&] { write(QStringLiteral("Single"), QString::number(single++)); });
    const Bench::Timing reads = Bench::Measure(200, [] {
        RegistryAPI::ReadValue(Root::CurrentUser, Scenario, QStringLiteral("Loan9 Value3"),
                               RegistryAPI::REG_SZ, QString());
    });

    std::printf("bench_registry: 130 values in one transaction: median %.2f ms, worst %.2f ms ", saves.median,
                saves.worst);
    Bench::PrintTarget(saves.median, TargetMs);
    std::printf("bench_registry: single WriteValue: median %.2f ms, worst %.2f ms\n", singles.median,
                singles.worst);
    std::printf("bench_registry: single ReadValue: median %.3f ms\n", reads.median);
    return Bench::Met(saves.median, TargetMs) ? 0 : 1;
}
