// Installation: `cmake --install` into a fresh prefix gives a program that
// starts from there with its own language plugins and help, and the desktop
// entry and icon that put it in the desktop's menu.

#include "InstalledProgram.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int InstallTimeout = 120000;

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
    InstalledProgram::VerifyDesktopEntryAndIcon(prefix.path());
    if (QTest::currentTestFailed())
        return;

    // Installed by hand, the entry names the program in the prefix chosen.
    const QString exec = InstalledProgram::ExecProgram(InstalledProgram::DesktopEntry(
        prefix.filePath(QStringLiteral("share/applications/com.zanticbrindlecoft.Loan.desktop"))));
    QCOMPARE(exec, prefix.filePath(QStringLiteral("bin/Loan")));
    QVERIFY(QFileInfo(exec).isExecutable());
}

void TestInstall::installedProgramStartsWithItsLanguageAndHelp_data()
{
    InstalledProgram::AddLanguageRows();
}

void TestInstall::installedProgramStartsWithItsLanguageAndHelp()
{
    InstalledProgram::VerifyStartsWithLanguageAndHelp(prefix.path());
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
