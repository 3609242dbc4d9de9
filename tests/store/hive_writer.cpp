// A second copy of the program's registry layer for the reliability tests:
// it writes into the same hive as the test (XDG_CONFIG_HOME is inherited)
// until it is killed or its work is done.
//   hive_writer burst  <key> <count>          rounds of single writes, forever
//   hive_writer groups <key> <count>          rounds of one transaction each, forever
//   hive_writer counter <key> <count> <tag>   count increments of "Count", each
//                                             in a transaction, plus own values
//   hive_writer read <key> <name>             prints one text value

#include "store/RegistryAPI.h"
#include "tests/store/BurstText.h"

#include <QStringList>

#include <cstdio>

using RegistryAPI::Root;

namespace {

void announce(const char* line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString valueName(int index)
{
    return QStringLiteral("Value%1").arg(index);
}

[[noreturn]] void writeBursts(const QString& key, int count, bool grouped)
{
    for (int round = 1;; ++round) {
        if (grouped) {
            const RegistryAPI::Transaction transaction;
            for (int i = 0; i < count; ++i)
                RegistryAPI::WriteValue(Root::CurrentUser, key, valueName(i), RegistryAPI::REG_SZ,
                                        burstText(round, i));
        } else {
            for (int i = 0; i < count; ++i)
                RegistryAPI::WriteValue(Root::CurrentUser, key, valueName(i), RegistryAPI::REG_SZ,
                                        burstText(round, i));
        }
        if (round == 1)
            announce("started");
    }
}

int countUp(const QString& key, int count, const QString& tag)
{
    RegistryAPI::CreateKey(Root::CurrentUser, key);
    for (int i = 0; i < count; ++i) {
        {
            const RegistryAPI::Transaction transaction;
            const int counted = RegistryAPI::ReadValue(Root::CurrentUser, key, QStringLiteral("Count"),
                                                       RegistryAPI::REG_DWORD, 0)
                                    .toInt();
            RegistryAPI::WriteValue(Root::CurrentUser, key, QStringLiteral("Count"),
                                    RegistryAPI::REG_DWORD, counted + 1);
        }
        const QString name = tag + QString::number(i);
        RegistryAPI::WriteValue(Root::CurrentUser, key, name, RegistryAPI::REG_SZ, burstText(i, i));
        const QVariant back = RegistryAPI::ReadValue(Root::CurrentUser, key, name,
                                                     RegistryAPI::REG_SZ, QVariant());
        if (back.toString() != burstText(i, i))
            return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.size() < 3)
        return 1;
    const QString& mode = args[0];
    const QString& key = args[1];
    if (mode == QLatin1String("burst") || mode == QLatin1String("groups"))
        writeBursts(key, args[2].toInt(), mode == QLatin1String("groups"));
    if (mode == QLatin1String("counter") && args.size() == 4)
        return countUp(key, args[2].toInt(), args[3]);
    if (mode == QLatin1String("read")) {
        const QVariant value = RegistryAPI::ReadValue(Root::CurrentUser, key, args[2],
                                                      RegistryAPI::REG_SZ, QStringLiteral("<none>"));
        announce(value.toString().toUtf8().constData());
        return 0;
    }
    return 1;
}
