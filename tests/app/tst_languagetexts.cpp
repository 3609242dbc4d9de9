// The window's texts come from the bound library, and the language menu
// re-texts the whole window at once.

#include "FreshStart.h"

#include "app/Language.h"
#include "app/Loan.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <optional>

namespace {

// What a control shows: a label's or button's text, a menu's title, an
// action's caption.
QString Caption(const Loan& window, const QString& name)
{
    QObject* control = window.findChild<QObject*>(name);
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* menu = qobject_cast<QMenu*>(control))
        return menu->title();
    if (auto* action = qobject_cast<QAction*>(control))
        return action->text();
    return QStringLiteral("<no control %1>").arg(name);
}

QString Tip(const Loan& window, const QString& name)
{
    auto* control = window.findChild<QWidget*>(name);
    return control ? control->toolTip() : QStringLiteral("<no control %1>").arg(name);
}

void Choose(Loan& window, int language)
{
    window.findChild<QAction*>(QStringLiteral("mnuToolsLanguageOpt_%1").arg(language))->trigger();
}

} // namespace

class TestLanguageTexts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void switchRetextsCaptions_data();
    void switchRetextsCaptions();
    void switchRetextsTooltips_data();
    void switchRetextsTooltips();
    void checkMarksFollowTheLanguage();
    void termLabelsByUnit_data();
    void termLabelsByUnit();
    void switchKeepsFieldContents();
    void qtsOwnButtonsSpeakTheLanguage();

private:
    std::optional<FreshStart> fresh;
    std::unique_ptr<Loan> window;
};

void TestLanguageTexts::init()
{
    fresh.emplace();
    Language::SetNumber(Language::English);
    window = std::make_unique<Loan>();
}

void TestLanguageTexts::cleanup()
{
    window.reset();
    fresh.reset();
}

void TestLanguageTexts::switchRetextsCaptions_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("spanish");

    QTest::newRow("File menu") << "mnuFile" << "&File" << "&Archivo";
    QTest::newRow("Save keeps its access key") << "mnuFileSave" << "&Save" << "Gra&bar";
    QTest::newRow("Language menu") << "mnuToolsLanguage" << "&Language" << "I&dioma";
    QTest::newRow("About") << "mnuHelpAbout" << "&About Zantic Loan..." << "S&obre Zantic Loan...";
    QTest::newRow("Print Setup never changes") << "mnuFilePrintSetup" << "Print Set&up..." << "Print Set&up...";
    QTest::newRow("Print never changes") << "mnuFilePrint" << "&Print..." << "&Print...";
    QTest::newRow("Exit never changes") << "mnuFileExit" << "E&xit" << "E&xit";
    QTest::newRow("English entry") << "mnuToolsLanguageOpt_1" << "English" << "English";
    QTest::newRow("Spanish entry") << "mnuToolsLanguageOpt_2" << "Español" << "Español";
    QTest::newRow("loan name") << "lblLoanName" << "Loan Name:" << "Nombre del Préstamo:";
    QTest::newRow("current heading") << "lblCurrent" << "Current" << "Actual";
    QTest::newRow("current payoff date has a colon") << "lblCurPayoffDate" << "Payoff Date:" << "Fecha Saldar:";
    QTest::newRow("sort button has none") << "cmdPayoffDate" << "Payoff Date" << "Fecha Saldar";
    QTest::newRow("doubled ampersand shows one") << "lblPandI" << "P & I" << "C e I";
    QTest::newRow("points heading") << "lblPoints" << "F? Points" << "F? Puntos";
    QTest::newRow("share") << "cmdShare" << "Share" << "Compartir";
    QTest::newRow("interest sort") << "cmdInterest" << "Interest" << "Interés";
}

void TestLanguageTexts::switchRetextsCaptions()
{
    QFETCH(QString, control);
    QFETCH(QString, english);
    QFETCH(QString, spanish);

    QCOMPARE(Caption(*window, control), english);
    Choose(*window, 2);
    QCOMPARE(Caption(*window, control), spanish);
    Choose(*window, 1);
    QCOMPARE(Caption(*window, control), english);
}

void TestLanguageTexts::switchRetextsTooltips_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("spanish");

    QTest::newRow("share") << "cmdShare" << "Please share this program with anyone!"
                           << "!Por favor comparta este programa con alguien más!";
    QTest::newRow("what's this") << "cmdWhatsThis" << "Click this, then click a field for help"
                                 << "\"¿Qué es esto?\" ayuda";
    QTest::newRow("next payment") << "dtNextPayment" << "When is the next payment due on your current loan?"
                                  << "¿Cuándo es la siguiente fecha de pago de su préstamo actual?";
    QTest::newRow("current rate label") << "lblCurInterestRate" << "Current loan interest rate (%)"
                                        << "Tasa de interés del préstamo actual (%)";
    QTest::newRow("payoff sort") << "cmdPayoffDate" << "Click to sort with soonest Payoff Date first"
                                 << "Presionar para ordenar por la Fecha en que se liquidará más rápido";
    QTest::newRow("who heading") << "lblWho" << "Financial Institution, contact info"
                                 << "Institución Financiera, para mayor información, presione dos veces para "
                                    "multilíneas...";
    QTest::newRow("row 0 points box") << "chkPoints_0" << "Check if Points will be financed"
                                      << "Marcar si se financiarán Puntos";
    QTest::newRow("row 0 rate") << "txtInterestRate_0" << "Interest rate (%)" << "Tasa de interés (%)";
    QTest::newRow("row 0 payoff date") << "txtPayoffDate_0" << "The date this loan will be paid off"
                                       << "Fecha en que el préstamo se liquidará";
    QTest::newRow("row 0 lender has no Spanish text")
        << "txtWho_0" << "Financial Institution, contact info.  Double-click for multi-line..." << "";
}

void TestLanguageTexts::switchRetextsTooltips()
{
    QFETCH(QString, control);
    QFETCH(QString, english);
    QFETCH(QString, spanish);

    QCOMPARE(Tip(*window, control), english);
    Choose(*window, 2);
    QCOMPARE(Tip(*window, control), spanish);
    Choose(*window, 1);
    QCOMPARE(Tip(*window, control), english);
}

void TestLanguageTexts::checkMarksFollowTheLanguage()
{
    QAction* english = window->mnuToolsLanguageOpt[1];
    QAction* spanish = window->mnuToolsLanguageOpt[2];
    QVERIFY(english->isChecked() && !spanish->isChecked());

    Choose(*window, 2);
    QVERIFY(!english->isChecked() && spanish->isChecked());
    QCOMPARE(Language::Number(), Language::Spanish);

    // Choosing the checked entry again keeps it checked.
    Choose(*window, 2);
    QVERIFY(!english->isChecked() && spanish->isChecked());
}

// The buttons of a question, as the box the program opens would show them.
void TestLanguageTexts::qtsOwnButtonsSpeakTheLanguage()
{
    auto buttons = [] {
        QMessageBox box(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return QStringList{box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
                           box.button(QMessageBox::Cancel)->text()};
    };
    QCOMPARE(buttons(), QStringList({"&Yes", "&No", "Cancel"}));

    Choose(*window, 2);
    QCOMPARE(buttons(), QStringList({QString::fromUtf8("&Sí"), "&No", "Cancelar"}));

    Choose(*window, 1);
    QCOMPARE(buttons(), QStringList({"&Yes", "&No", "Cancel"}));
}

void TestLanguageTexts::termLabelsByUnit_data()
{
    QTest::addColumn<bool>("inMonths");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("defaultTerm");
    QTest::addColumn<QString>("currentTerm");

    QTest::newRow("months, English") << true << 1 << "Default Term (Months):" << "Term (Months):";
    QTest::newRow("years, English") << false << 1 << "Default Term (Years):" << "Term (Years):";
    QTest::newRow("months, Spanish") << true << 2 << "Plazo Normal (Meses):" << "Plazo (Meses):";
    QTest::newRow("years, Spanish") << false << 2 << "Plazo Normal (Años):" << "Plazo (Años):";
}

void TestLanguageTexts::termLabelsByUnit()
{
    QFETCH(bool, inMonths);
    QFETCH(int, language);
    QFETCH(QString, defaultTerm);
    QFETCH(QString, currentTerm);
    window->ProgramSettings().TermInMonths = inMonths;

    Choose(*window, language);

    QCOMPARE(window->lblLoanTerm->text(), defaultTerm);
    QCOMPARE(window->lblCurLoanTerm->text(), currentTerm);
}

void TestLanguageTexts::switchKeepsFieldContents()
{
    window->SetLoanName(QStringLiteral("Casa"));
    window->SetLoanAmount(Money::FromRaw(Q_INT64_C(1500000000)));
    window->SetCurrentInterestRate(0.0625);
    const QString amount = window->txtLoanAmount->text();

    Choose(*window, 2);

    QCOMPARE(window->cboLoanName->currentText(), QStringLiteral("Casa"));
    QCOMPARE(window->txtLoanAmount->text(), amount);
    QCOMPARE(window->txtCurInterestRate->text(), QStringLiteral("6.250%"));
    QCOMPARE(window->LoanAmount().Raw(), Q_INT64_C(1500000000));
}

QTEST_MAIN(TestLanguageTexts)
#include "tst_languagetexts.moc"
