// How long the hive takes for what the program does with it: saving one
// scenario of 16 quotes (130 values in one transaction) and a single write.
// Runs on a hive in a temporary configuration folder.

#include "scenario/RegistryAPI.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using RegistryAPI::Root;

namespace {

const QString Scenario = QStringLiteral("Software\\Zantic Brindlecoft\\Loan\\Bench scenario");
constexpr int ScenarioValues = 18;
constexpr int Quotes = 16;
constexpr int QuoteValues = 7;
constexpr double TargetMs = 20.0;

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

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
    QTemporaryDir config;
    if (!config.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    static_assert(ScenarioValues + Quotes * QuoteValues == 130, "one scenario of 16 quotes");

    saveScenario(0);
    std::vector<double> saves;
    for (int run = 1; run <= 40; ++run) {
        QElapsedTimer timer;
        timer.start();
        saveScenario(run);
        saves.push_back(elapsedMs(timer));
    }

    std::vector<double> singles;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer timer;
        timer.start();
        write(QStringLiteral("Single"), QString::number(i));
        singles.push_back(elapsedMs(timer));
    }

    std::vector<double> reads;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer timer;
        timer.start();
        RegistryAPI::ReadValue(Root::CurrentUser, Scenario, QStringLiteral("Loan9 Value3"),
                               RegistryAPI::REG_SZ, QString());
        reads.push_back(elapsedMs(timer));
    }

    const double saveMedian = median(saves);
    std::printf("bench_registry: 130 values in one transaction: median %.2f ms, worst %.2f ms "
                "(target under %.0f ms: %s)\n",
                saveMedian, *std::max_element(saves.begin(), saves.end()), TargetMs,
                saveMedian < TargetMs ? "met" : "MISSED");
    std::printf("bench_registry: single WriteValue: median %.2f ms, worst %.2f ms\n", median(singles),
                *std::max_element(singles.begin(), singles.end()));
    std::printf("bench_registry: single ReadValue: median %.3f ms\n", median(reads));
    return saveMedian < TargetMs ? 0 : 1;
}
