// Start-up: the program key, the language chosen or stored, the library
// bound for it, and what the window's loading leaves behind.

#include "FreshStart.h"
#include "LoanWindows.h"

#include "app/Clock.h"
#include "app/Language.h"
#include "app/LanguageLibrary.h"
#include "app/Main.h"
#include "app/MessageBox.h"
#include "app/UserLanguage.h"
#include "engine/DayCount.h"
#include "model/FieldFormat.h"
#include "store/RegistryAPI.h"
#include "store/Settings.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <optional>

using RegistryAPI::Root;

namespace {

const QString Tessaly = QStringLiteral("Tessaly.Resources");
const QString Morvane = QStringLiteral("Morvane.Resources");

void StoreNumber(const QString& name, int value)
{
    RegistryAPI::CreateKey(Root::CurrentUser, Settings::ProgramKey);
    RegistryAPI::WriteValue(Root::CurrentUser, Settings::ProgramKey, name, RegistryAPI::REG_DWORD, value);
}

QVariant Stored(const QString& name)
{
    return RegistryAPI::ReadValue(Root::CurrentUser, Settings::ProgramKey, name, RegistryAPI::REG_DWORD,
                                  QStringLiteral("absent"));
}

// Libraries of the listed classes cannot be created, as if not installed.
void Uninstall(const QStringList& classNames)
{
    Language::SetFactory([classNames](const QString& className, QString* error) -> ResourcesInterface* {
        if (classNames.contains(className)) {
            *error = QStringLiteral("The language library %1 was not found.").arg(className);
            return nullptr;
        }
        return CreateLanguageObject(className, error);
    });
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void automaticChoiceBeforeTheWindow_data();
    void automaticChoiceBeforeTheWindow();
    void startupBindsTheLanguage_data();
    void startupBindsTheLanguage();
    void chosenLibraryMissingGoesOnInEnglish();
    void switchToMissingLibraryStaysEnglish();
    void defaultLibraryMissingIsReportedOnce();
    void loadingSetsNextPaymentAndCounts_data();
    void loadingSetsNextPaymentAndCounts();
    void everyControlCarriesItsName();
    void listsBuildTheirPopupsWhenOpened();

private:
    std::optional<FreshStart> fresh;
};

void TestStartup::init()
{
    fresh.emplace();
}

void TestStartup::cleanup()
{
    DeleteAllWindows();
    fresh.reset();
}

void TestStartup::automaticChoiceBeforeTheWindow_data()
{
    QTest::addColumn<int>("langId");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("fileMenu");

    QTest::newRow("US English") << 0x0409 << -1 << "&File";
    QTest::newRow("German") << 0x0407 << -1 << "&File";
    QTest::newRow("Spanish, traditional sort") << 0x040A << -2 << "&Archivo";
    QTest::newRow("Spanish, Spain") << 0x0C0A << -2 << "&Archivo";
    QTest::newRow("Spanish, Mexico") << 0x080A << -2 << "&Archivo";
    QTest::newRow("one hex digit never Spanish") << 0x000A << -1 << "&File";
}

void TestStartup::automaticChoiceBeforeTheWindow()
{
    QFETCH(int, langId);
    QFETCH(int, number);
    QFETCH(QString, fileMenu);
    UserLanguage::Set(static_cast<quint16>(langId));

    SelectDefaultLanguage();

    QCOMPARE(Language::Number(), number);
    QCOMPARE(Language::LoadResString(rsMnuFile), fileMenu);
    // The help follows the library the texts come from.
    const QString help = Language::LoadResString(rsMnuFile) == QLatin1String("&Archivo") ? "morvane.qch" : "tessaly.qch";
    QCOMPARE(Language::HelpFile(), Language::ProgramFolder() + QLatin1Char('/') + help);
}

void TestStartup::startupBindsTheLanguage_data()
{
    QTest::addColumn<bool>("keyExists");
    QTest::addColumn<int>("storedLanguage");
    QTest::addColumn<int>("langId");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<QString>("helpFile");

    const int none = -1;
    const QString folder = Language::ProgramFolder() + QLatin1Char('/');
    QTest::newRow("first start, 0x0409") << false << none << 0x0409 << 1 << "&File" << folder + "tessaly.qch";
    QTest::newRow("first start, 0x0C0A") << false << none << 0x0C0A << 2 << "&Archivo" << folder + "morvane.qch";
    QTest::newRow("first start, 0x040A") << false << none << 0x040A << 2 << "&Archivo" << folder + "morvane.qch";
    QTest::newRow("key without language") << true << none << 0x0C0A << 2 << "&Archivo" << folder + "morvane.qch";
    QTest::newRow("language 0 stored") << true << 0 << 0x0409 << 1 << "&File" << folder + "tessaly.qch";
    QTest::newRow("English stored, Spanish user") << true << 1 << 0x0C0A << 1 << "&File"
                                                  << folder + "tessaly.qch";
    QTest::newRow("Spanish stored, English user") << true << 2 << 0x0409 << 2 << "&Archivo"
                                                  << folder + "morvane.qch";
    QTest::newRow("unknown language stored") << true << 3 << 0x0C0A << 3 << "&File" << folder + "tessaly.qch";
}

void TestStartup::startupBindsTheLanguage()
{
    QFETCH(bool, keyExists);
    QFETCH(int, storedLanguage);
    QFETCH(int, langId);
    QFETCH(int, number);
    QFETCH(QString, fileMenu);
    QFETCH(QString, helpFile);
    if (keyExists)
        RegistryAPI::CreateKey(Root::CurrentUser, Settings::ProgramKey);
    if (storedLanguage >= 0)
        StoreNumber(QStringLiteral("CurrentLanguage"), storedLanguage);
    UserLanguage::Set(static_cast<quint16>(langId));

    Main();

    QVERIFY(RegistryAPI::KeyExists(Root::CurrentUser, Settings::ProgramKey));
    Loan* window = StartedWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(Language::Number(), number);
    QCOMPARE(window->mnuFile->title(), fileMenu);
    QCOMPARE(window->mnuToolsLanguageOpt[1]->isChecked(), number == 1);
    QCOMPARE(window->mnuToolsLanguageOpt[2]->isChecked(), number == 2);
    QCOMPARE(Language::HelpFile(), helpFile);
    QVERIFY(MessageBox::Recorded().isEmpty());

    // The choice, automatic or not, is what the orderly shutdown stores.
    QVERIFY(window->close());
    DeleteClosedWindows();
    QCOMPARE(Stored(QStringLiteral("CurrentLanguage")).toInt(), number);
    QCOMPARE(Stored(QStringLiteral("LoansDisplayed")).toInt(), 6);
}

void TestStartup::chosenLibraryMissingGoesOnInEnglish()
{
    StoreNumber(QStringLiteral("CurrentLanguage"), 2);
    Uninstall({Morvane});

    Main();

    const QStringList shown = MessageBox::RecordedTexts();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.constFirst().contains(Morvane));
    Loan* window = StartedWindow();
    QVERIFY(window);
    QCOMPARE(Language::Number(), Language::English);
    QCOMPARE(window->mnuFile->title(), QStringLiteral("&File"));
    QVERIFY(window->mnuToolsLanguageOpt[1]->isChecked());
    QVERIFY(!window->mnuToolsLanguageOpt[2]->isChecked());
}

void TestStartup::switchToMissingLibraryStaysEnglish()
{
    StoreNumber(QStringLiteral("CurrentLanguage"), 1);
    Main();
    Loan* window = StartedWindow();
    QVERIFY(window);
    Uninstall({Morvane});

    window->mnuToolsLanguageOpt[2]->trigger();

    QCOMPARE(MessageBox::Recorded().size(), 1);
    QVERIFY(MessageBox::RecordedTexts().constFirst().contains(Morvane));
    QCOMPARE(Language::Number(), Language::English);
    QCOMPARE(window->lblLoanName->text(), QStringLiteral("Loan Name:"));
    QVERIFY(window->mnuToolsLanguageOpt[1]->isChecked());
    QVERIFY(!window->mnuToolsLanguageOpt[2]->isChecked());
}

// Without any library the window has no texts; the user is told once.
void TestStartup::defaultLibraryMissingIsReportedOnce()
{
    StoreNumber(QStringLiteral("CurrentLanguage"), 1);
    Uninstall({Tessaly, Morvane});

    Main();

    QCOMPARE(MessageBox::Recorded().size(), 1);
    QVERIFY(MessageBox::RecordedTexts().constFirst().contains(Tessaly));
    Loan* window = StartedWindow();
    QVERIFY(window);
    QVERIFY(window->lblLoanName->text().isEmpty());
}

void TestStartup::loadingSetsNextPaymentAndCounts_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("loansDisplayed");
    QTest::addColumn<QDate>("nextPayment");
    QTest::addColumn<int>("rows");
    // The quote list grows past the rows in blocks of ten.
    QTest::addColumn<int>("quotes");

    QTest::newRow("mid-month, no setting") << QDate(2026, 3, 15) << -1 << QDate(2026, 4, 1) << 6 << 11;
    QTest::newRow("the first stays") << QDate(2026, 3, 1) << 0 << QDate(2026, 3, 1) << 6 << 11;
    QTest::newRow("December rolls over") << QDate(2026, 12, 31) << 15 << QDate(2027, 1, 1) << 15 << 21;
    QTest::newRow("three rows") << QDate(2026, 2, 2) << 3 << QDate(2026, 3, 1) << 3 << 11;
}

void TestStartup::loadingSetsNextPaymentAndCounts()
{
    QFETCH(QDate, today);
    QFETCH(int, loansDisplayed);
    QFETCH(QDate, nextPayment);
    QFETCH(int, rows);
    QFETCH(int, quotes);
    Clock::Set(today);
    if (loansDisplayed >= 0)
        StoreNumber(QStringLiteral("LoansDisplayed"), loansDisplayed);

    Main();

    Loan* window = StartedWindow();
    QVERIFY(window);
    QCOMPARE(DayCount::ToDate(window->CurrentNextPayment()), nextPayment);
    QCOMPARE(window->dtNextPayment->date(), nextPayment);
    QVERIFY(window->dtNextPayment->text().endsWith(QString::number(nextPayment.year())));
    QCOMPARE(window->LoadedUpperIndex() + 1, rows);
    QCOMPARE(static_cast<int>(window->Quotes.size()), quotes);
    QCOMPARE(FieldFormat::DecimalSeparator(), QLatin1Char('.'));
    QVERIFY(!window->ScenarioChanged());
    QVERIFY(!window->PaymentNoticeShown());
}

// Checks from outside find the controls by these names.
void TestStartup::everyControlCarriesItsName()
{
    const char* const names[] = {
        "mnuFile", "mnuFileNew", "mnuFileSave", "mnuFileDelete", "mnuFileBar1", "mnuFilePrintSetup",
        "mnuFilePrint", "mnuFileBar2", "mnuFileExit", "mnuTools", "mnuToolsOptions", "mnuToolsLanguage",
        "mnuToolsLanguageOpt_1", "mnuToolsLanguageOpt_2", "mnuHelp", "mnuHelpContents", "mnuHelpSearch",
        "mnuHelpBar2", "mnuHelpAbout",
        "lblLoanName", "cboLoanName", "lblLoanType", "cboLoanType", "lblLoanAmount", "txtLoanAmount",
        "lblLoanTerm", "txtLoanTerm", "lblAnnualTaxes", "txtAnnualTaxes", "lblAnnualInsurance",
        "txtAnnualInsurance", "lblMonthlyEscrow", "txtMonthlyEscrow",
        "lblPoints", "lblInterestRate", "lblTerm", "lblFrequency", "lblPandI", "lblPayment",
        "lblActualPayment", "cmdPayoffDate", "cmdInterest", "lblWho", "picScroll", "picCanvas", "vsbLoans",
        "chkPoints_0", "txtPoints_0", "txtInterestRate_0", "txtTerm_0", "cboFrequency_0", "txtPandI_0",
        "txtPayment_0", "txtActualPayment_0", "txtPayoffDate_0", "txtInterest_0", "txtWho_0",
        "lblCurrent", "lblCurLoanAmount", "txtCurLoanAmount", "lblCurLoanTerm", "txtCurLoanTerm",
        "lblCurInterestRate", "txtCurInterestRate", "lblCurPaymentFrequency", "cboCurPaymentFrequency",
        "lblCurPayment", "txtCurPayment", "lblCurActualPayment", "txtCurActualPayment",
        "lblActPaymentFrequency", "cboActPaymentFrequency", "lblCurrentBalance", "txtCurrentBalance",
        "lblNextPayment", "dtNextPayment", "lblCurPayoffDate", "txtCurPayoffDate", "lblCurAmountLeft",
        "txtCurAmountLeft", "lblCurInterestLeft", "txtCurInterestLeft",
        "cmdShare", "cmdWhatsThis", "picSource", "Timer1",
    };
    Loan window;
    QCOMPARE(window.objectName(), QStringLiteral("Loan"));
    for (const char* name : names)
        QVERIFY2(window.findChildren<QObject*>(QLatin1String(name)).size() == 1, name);
}

// The window starts without the lists' popups, which only slowed the start;
// an editable list still takes typing, and its popup opens when asked for.
void TestStartup::listsBuildTheirPopupsWhenOpened()
{
    Loan window;
    for (QComboBox* list : window.findChildren<QComboBox*>())
        QVERIFY2(!list->findChild<QAbstractItemView*>(), qPrintable(list->objectName()));
    QVERIFY(window.cboLoanName->isEditable());
    QVERIFY(window.cboFrequency[0]->isEditable());

    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.cboLoanName->setFocus();
    QTest::keyClicks(window.cboLoanName, QStringLiteral("Lake house"));
    QCOMPARE(window.cboLoanName->currentText(), QStringLiteral("Lake house"));
    QComboBox* frequency = window.cboFrequency[0];
    frequency->setFocus();
    QTest::keyClick(frequency, Qt::Key_F4);
    auto* popup = frequency->findChild<QAbstractItemView*>();
    QVERIFY(popup);
    QTRY_VERIFY(popup->isVisible());
    QVERIFY(popup->model()->rowCount() > 0);
    QTest::keyClick(popup, Qt::Key_Escape);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
