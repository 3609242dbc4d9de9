// Installation: `cmake --install` into a fresh prefix gives a program that
// starts from there with its own language plugins and help, and the desktop
// entry and icon that put it in the desktop's menu.

#include "FreshStart.h"

#include "store/RegistryAPI.h"
#include "store/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

constexpr int InstallTimeout = 120000;
constexpr int StartTimeout = 30000;

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

// The files the running process has mapped: its program and libraries.
QString MappedFiles(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) ? QString::fromUtf8(maps.readAll()) : QString();
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void desktopEntryAndIconAreWhereTheDesktopLooks();
    void installedProgramStartsWithItsLanguageAndHelp_data();
    void installedProgramStartsWithItsLanguageAndHelp();

private:
    QTemporaryDir prefix;
};

void TestInstall::initTestCase()
{
    QVERIFY(prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(LOAN_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(LOAN_BUILD_DIR), QStringLiteral("--prefix"), prefix.path()});
    QVERIFY(install.waitForFinished(InstallTimeout));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0, install.readAll().constData());
}

void TestInstall::desktopEntryAndIconAreWhereTheDesktopLooks()
{
    const QString entryPath = prefix.filePath(QStringLiteral("share/applications/com.zanticbrindlecoft.Loan.desktop"));
    std::map<QString, QString> entry = DesktopEntry(entryPath);
    QCOMPARE(entry[QStringLiteral("Type")], QStringLiteral("Application"));
    QCOMPARE(entry[QStringLiteral("Name")], QStringLiteral("Zantic Loan"));
    QCOMPARE(entry[QStringLiteral("Categories")], QStringLiteral("Office;Finance;"));
    QVERIFY(!entry[QStringLiteral("Comment")].isEmpty());
    QVERIFY(entry[QStringLiteral("Comment[es]")].contains(QStringLiteral("préstamos")));

    QString exec = entry[QStringLiteral("Exec")];
    exec.remove(QLatin1Char('"'));
    QCOMPARE(exec, prefix.filePath(QStringLiteral("bin/Loan")));
    QVERIFY(QFileInfo(exec).isExecutable());

    QFile icon(prefix.filePath(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg")
                                   .arg(entry[QStringLiteral("Icon")])));
    QVERIFY2(icon.open(QIODevice::ReadOnly), qPrintable(icon.fileName()));
    QVERIFY(icon.readAll().contains("<svg"));
}

void TestInstall::installedProgramStartsWithItsLanguageAndHelp_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("plugin");
    QTest::addColumn<QString>("helpFile");
    QTest::newRow("English") << 1 << "libTessaly.so" << "tessaly.qch";
    QTest::newRow("Spanish") << 2 << "libMorvane.so" << "morvane.qch";
}

void TestInstall::installedProgramStartsWithItsLanguageAndHelp()
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
    program.start(prefix.filePath(QStringLiteral("bin/Loan")), {});
    QVERIFY(program.waitForStarted());

    const QString installedPlugin = prefix.filePath(QStringLiteral(LOAN_PLUGIN_INSTALL_SUBDIR "/") + plugin);
    const QString installedHelp = prefix.filePath(QStringLiteral(LOAN_HELP_INSTALL_SUBDIR "/") + helpFile);
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

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
