#include "InstalledProgram.h"

#include "FreshStart.h"

#include "store/RegistryAPI.h"
#include "store/Settings.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int StartTimeout = 30000;

// The files the running process has mapped: its program and libraries.
QString MappedFiles(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) ? QString::fromUtf8(maps.readAll()) : QString();
}

} // namespace

namespace InstalledProgram {

std::map<QString, QString> DesktopEntry(const QString& path)
{
    std::map<QString, QString> entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            entry[line.left(equals)] = line.mid(equals + 1);
    }
    return entry;
}

QString ExecProgram(const std::map<QString, QString>& entry)
{
    const auto exec = entry.find(QStringLiteral("Exec"));
    if (exec == entry.end())
        return QString();
    QString program = exec->second;
    if (program.size() >= 2 && program.startsWith(QLatin1Char('"')) && program.endsWith(QLatin1Char('"')))
        program = program.mid(1, program.size() - 2);
    return program;
}

void VerifyDesktopEntryAndIcon(const QString& prefix)
{
    const QString entryPath = prefix + QStringLiteral("/share/applications/com.zanticbrindlecoft.Loan.desktop");
    std::map<QString, QString> entry = DesktopEntry(entryPath);
    QVERIFY2(!entry.empty(), qPrintable(entryPath));
    QCOMPARE(entry[QStringLiteral("Type")], QStringLiteral("Application"));
    QCOMPARE(entry[QStringLiteral("Name")], QStringLiteral("Zantic Loan"));
    QCOMPARE(entry[QStringLiteral("Categories")], QStringLiteral("Office;Finance;"));
    QVERIFY(!entry[QStringLiteral("Comment")].isEmpty());
    QVERIFY(entry[QStringLiteral("Comment[es]")].contains(QStringLiteral("préstamos")));

    QFile icon(prefix + QStringLiteral("/share/icons/hicolor/scalable/apps/%1.svg").arg(entry[QStringLiteral("Icon")]));
    QVERIFY2(icon.open(QIODevice::ReadOnly), qPrintable(icon.fileName()));
    QVERIFY(icon.readAll().contains("<svg"));
}

void AddLanguageRows()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("plugin");
    QTest::addColumn<QString>("helpFile");
    QTest::newRow("English") << 1 << "libTessaly.so" << "tessaly.qch";
    QTest::newRow("Spanish") << 2 << "libMorvane.so" << "morvane.qch";
}

void VerifyStartsWithLanguageAndHelp(const QString& prefix)
{
    QFETCH(int, language);
    QFETCH(QString, plugin);
    QFETCH(QString, helpFile);
    FreshStart fresh;
    using RegistryAPI::Root;
    RegistryAPI::CreateKey(Root::CurrentUser, Settings::ProgramKey);
    RegistryAPI::WriteValue(Root::CurrentUser, Settings::ProgramKey, QStringLiteral("CurrentLanguage"),
                            RegistryAPI::REG_DWORD, language);

    QTemporaryDir elsewhere;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), qEnvironmentVariable("XDG_CONFIG_HOME"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), qEnvironmentVariable("XDG_CACHE_HOME"));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(elsewhere.path());
    program.start(prefix + QStringLiteral("/bin/Loan"), {});
    QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));

    const QString installedPlugin = prefix + QStringLiteral("/" LOAN_PLUGIN_INSTALL_SUBDIR "/") + plugin;
    const QString installedHelp = prefix + QStringLiteral("/" LOAN_HELP_INSTALL_SUBDIR "/") + helpFile;
    // The help it opened is copied into the user's cache before use.
    const QString helpInUse = qEnvironmentVariable("XDG_CACHE_HOME") + QStringLiteral("/Zantic Brindlecoft/Loan/help/") + helpFile;
    const bool started = QTest::qWaitFor([&] {
        return MappedFiles(program.processId()).contains(installedPlugin) && QFileInfo(helpInUse).size() > 0;
    }, StartTimeout);
    const QString mapped = MappedFiles(program.processId());
    const bool running = program.state() == QProcess::Running;
    program.kill();
    program.waitForFinished();

    QVERIFY2(started, qPrintable(program.readAllStandardError()));
    QVERIFY(running);
    QVERIFY(!mapped.contains(QStringLiteral(LOAN_BUILD_DIR)));
    QCOMPARE(QFileInfo(helpInUse).size(), QFileInfo(installedHelp).size());
}

} // namespace InstalledProgram
