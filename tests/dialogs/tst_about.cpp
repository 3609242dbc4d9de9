// The about box opened from the Help menu: its texts in both languages and
// the system information button, with PATH standing for what is installed.

#include "tests/app/WindowTest.h"
#include "../app/FreshStart.h"
#include "../app/QuoteSheet.h"

#include "app/MessageBox.h"
#include "dialogs/frmAbout.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

// A program of that name in the folder, running the shell script.
void AddProgram(const QTemporaryDir& folder, const QString& name, const QByteArray& script)
{
    QFile file(folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

} // namespace

class TestAbout : public WindowTest
{
    Q_OBJECT

private slots:
    void aboutBoxShowsTheVersionInformation_data();
    void aboutBoxShowsTheVersionInformation();
    void noUsableSystemInformationProgramIsSaid_data();
    void noUsableSystemInformationProgramIsSaid();
    void firstKnownProgramOnPathIsStarted();

private:
    frmAbout* OpenAbout();
    void ClickSysInfo();

    QByteArray path;

    void BeforeWindow() override;
    void AfterWindow() override;
};

void TestAbout::BeforeWindow()
{
    path = qgetenv("PATH");
}

void TestAbout::AfterWindow()
{
    qputenv("PATH", path);
}

frmAbout* TestAbout::OpenAbout()
{
    window->mnuHelpAbout->trigger();
    return window->findChild<frmAbout*>();
}

void TestAbout::ClickSysInfo()
{
    frmAbout* about = OpenAbout();
    QVERIFY(about);
    QTest::mouseClick(about->cmdSysInfo, Qt::LeftButton);
}

void TestAbout::aboutBoxShowsTheVersionInformation_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("sysInfo");
    QTest::newRow("English") << 1 << "About Zantic Loan..." << "&System Info...";
    // The first character of the Spanish text is a letter, so its
    // accelerator mark stays and shows as written.
    QTest::newRow("Spanish") << 2 << "&obre Zantic Loan..." << "Información del &sistema...";
}

void TestAbout::aboutBoxShowsTheVersionInformation()
{
    QFETCH(int, language);
    QFETCH(QString, caption);
    QFETCH(QString, sysInfo);
    window->mnuToolsLanguageOpt[language]->trigger();
    frmAbout* about = OpenAbout();
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->windowModality(), Qt::ApplicationModal);
    QCOMPARE(about->windowTitle(), caption);
    QCOMPARE(about->lblTitle->text(), QStringLiteral("Zantic Loan"));
    QCOMPARE(about->lblVersion->text(), QStringLiteral("Version " LOAN_VERSION));
    QVERIFY(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$")).match(about->lblVersion->text()).hasMatch());
    QCOMPARE(about->lblDescription->text(),
             QStringLiteral("The Loan program the bankers don't want you to know about..."));
    QVERIFY(about->lblDisclaimer->text().startsWith(QStringLiteral("Copyright © ")));
    QVERIFY(!about->picIcon->pixmap().isNull());
    QCOMPARE(about->cmdSysInfo->text(), sysInfo);

    QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    QVERIFY(!about->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window->findChild<frmAbout*>());
}

void TestAbout::noUsableSystemInformationProgramIsSaid_data()
{
    QTest::addColumn<QByteArray>("kinfocenter");
    QTest::newRow("none on PATH") << QByteArray();
    QTest::newRow("fails to start") << QByteArray("#!/nonexistent/interpreter\n");
}

void TestAbout::noUsableSystemInformationProgramIsSaid()
{
    QFETCH(QByteArray, kinfocenter);
    QTemporaryDir folder;
    if (!kinfocenter.isNull())
        AddProgram(folder, QStringLiteral("kinfocenter"), kinfocenter);
    qputenv("PATH", QFile::encodeName(folder.path()));
    ClickSysInfo();
    QCOMPARE(MessageBox::RecordedTexts(), QStringList{Unavailable});
    QCOMPARE(MessageBox::Recorded().first().buttons, QMessageBox::Ok);
}

void TestAbout::firstKnownProgramOnPathIsStarted()
{
    QTemporaryDir folder;
    const QString marker = folder.filePath(QStringLiteral("started"));
    AddProgram(folder, QStringLiteral("hardinfo"), "#!/bin/sh\necho \"$0\" > '" + QFile::encodeName(marker) + "'\n");
    AddProgram(folder, QStringLiteral("xfce4-about"), "#!/bin/sh\necho wrong > '" + QFile::encodeName(marker) + "'\n");
    qputenv("PATH", QFile::encodeName(folder.path()));
    ClickSysInfo();
    // The shell creates the file before it writes the line into it.
    auto startedProgram = [&marker] {
        QFile started(marker);
        return started.open(QIODevice::ReadOnly) ? started.readAll().trimmed() : QByteArray();
    };
    QTRY_VERIFY(!startedProgram().isEmpty());
    QVERIFY(startedProgram().endsWith("/hardinfo"));
    QVERIFY(MessageBox::Recorded().isEmpty());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
