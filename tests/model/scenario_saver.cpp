// Another copy of the program saving a scenario, for the tests that kill a
// save halfway. It saves into the test's hive (XDG_CONFIG_HOME is inherited).
//   scenario_saver loop <name>          saves rounds 1, 2, 3, ... until killed
//   scenario_saver hold <name> <round>  saves one round inside a transaction
//                                       that it never ends, and waits to be killed

#include "store/RegistryAPI.h"
#include "model/ScenarioStore.h"
#include "tests/model/ScenarioRounds.h"

#include <QThread>

#include <cstdio>

namespace {

void announce(const char* line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

[[noreturn]] void saveRounds(const QString& name)
{
    for (int round = 1;; ++round) {
        ScenarioStore::Save(name, roundScenario(round));
        if (round == 1)
            announce("started");
    }
}

[[noreturn]] void holdSave(const QString& name, int round)
{
    const RegistryAPI::Transaction transaction;
    ScenarioStore::Save(name, roundScenario(round));
    announce("saved");
    for (;;)
        QThread::sleep(60);
}

} // namespace

int main(int argc, char* argv[])
{
    QLocale::setDefault(roundLocale());
    if (argc < 3)
        return 1;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    if (mode == QLatin1String("loop"))
        saveRounds(name);
    if (mode == QLatin1String("hold") && argc == 4)
        holdSave(name, QString::fromLocal8Bit(argv[3]).toInt());
    return 1;
}
