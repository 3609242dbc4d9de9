// Saved scenarios through the window: File New, Save and Delete, picking a
// name, the question about unsaved changes, and every value surviving a save,
// a new window and a load.

#include "tests/app/WindowTest.h"
#include "FreshStart.h"
#include "LoanWindows.h"
#include "UserInput.h"

#include "app/Language.h"
#include "app/Loan.h"
#include "app/MessageBox.h"
#include "engine/DayCount.h"
#include "store/RegistryAPI.h"
#include "model/ScenarioStore.h"
#include "store/Settings.h"
#include "tests/store/HiveLock.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <optional>

using RegistryAPI::Root;

namespace {

const QColor Pink(255, 208, 215);

QString Stored(const QString& scenario, const QString& name)
{
    return RegistryAPI::ReadValue(Root::CurrentUser, ScenarioStore::KeyPath(scenario), name, RegistryAPI::REG_SZ,
                                  QStringLiteral("<missing>"))
        .toString();
}

QVariant StoredNumber(const QString& scenario, const QString& name)
{
    return RegistryAPI::ReadValue(Root::CurrentUser, ScenarioStore::KeyPath(scenario), name,
                                  RegistryAPI::REG_DWORD, QStringLiteral("<missing>"));
}

void TypeName(Loan& window, const QString& name)
{
    window.cboLoanName->setFocus();
    window.cboLoanName->lineEdit()->selectAll();
    TypeText(window.cboLoanName, name);
    QTest::keyClick(window.cboLoanName, Qt::Key_Tab);
}

void TypeWho(QPlainTextEdit* who, const QString& text)
{
    QTest::mouseClick(who->viewport(), Qt::LeftButton);
    QTest::keyClicks(who, text);
    QTest::keyClick(who, Qt::Key_Tab);
}

} // namespace

class TestScenarioFile : public WindowTest
{
    Q_OBJECT

private slots:
    void saveNumbersTheFilledQuotes();
    void loadFillsRowsFromTheTop();
    void loadMarksTheCurrentInputsItLacks();
    void resavingLeavesNoStaleQuote();
    void savingTakesWhatIsBeingTyped();
    void savingUnderATypedNameClearsTheColour();
    void pickingAnotherNameAsksFirst_data();
    void pickingAnotherNameAsksFirst();
    void closingWithYesSaves();
    void theQuestionIsAboutTheScenarioShown_data();
    void theQuestionIsAboutTheScenarioShown();
    void yesWithoutANameSavesNothing_data();
    void yesWithoutANameSavesNothing();
    void newStartsAnEmptyScenario();
    void typedNameIsNotCompletedToASavedOne();
    void deleteAsksAndForgets_data();
    void deleteAsksAndForgets();
    void deleteOfAnUnnamedChangeOnlyClears();
    void failingValueIsReportedAndSkipped();
    void nextPaymentReadsTheSameInEveryRegion_data();
    void nextPaymentReadsTheSameInEveryRegion();
    void nextPaymentSavedInTheRegionalFormStillLoads_data();
    void nextPaymentSavedInTheRegionalFormStillLoads();
    void everyValueSurvivesARestart_data();
    void everyValueSurvivesARestart();
    void namesDifferingInCaseAreOneScenario();
    void refusedNameIsNotSaved_data();
    void refusedNameIsNotSaved();
    void lockedHiveKeepsTheWindowsData();
    void savingOverAnotherScenarioAsksFirst();
    void saveAsKeepsTheScenarioSavedBefore();
    void loadingHighlightsOnlyWhatItRaised();

private:
    void Save();

    void BeforeWindow() override;
};

void TestScenarioFile::BeforeWindow()
{
    RegistryAPI::CreateKey(Root::CurrentUser, Settings::ProgramKey);
}

void TestScenarioFile::Save()
{
    window->mnuFileSave->trigger();
}

// Quote 1 holds only a ticked finance-points box, which is no data.
void TestScenarioFile::saveNumbersTheFilledQuotes()
{
    TypeName(*window, QStringLiteral("Casa"));
    TypeInto(window->txtLoanAmount, QStringLiteral("150000"));
    TypeInto(window->txtCurInterestRate, QStringLiteral("6.5"));
    TypeInto(window->txtInterestRate[0], QStringLiteral("6.5"));
    QTest::mouseClick(window->chkPoints[1], Qt::LeftButton);
    TypeWho(window->txtWho[2], QStringLiteral("First Bank"));
    QVERIFY(window->ScenarioChanged());

    Save();

    QVERIFY(MessageBox::Recorded().isEmpty());
    QVERIFY(!window->ScenarioChanged());
    QCOMPARE(StoredNumber("Casa", "LoanCount").toInt(), 2);
    QCOMPARE(Stored("Casa", "LoanName"), QStringLiteral("Casa"));
    QCOMPARE(Stored("Casa", "LoanAmount"), QStringLiteral("150000"));
    // The current loan's rate as a percentage, a quote's as the fraction.
    QCOMPARE(Stored("Casa", "CurrentInterestRate"), QStringLiteral("6.5"));
    QCOMPARE(Stored("Casa", "Loan 1 InterestRate"), QStringLiteral("0.065"));
    QCOMPARE(StoredNumber("Casa", "Loan 1 FinancePoints").toInt(), 0);
    QCOMPARE(Stored("Casa", "Loan 1 Who"), QString());
    QCOMPARE(Stored("Casa", "Loan 2 Who"), QStringLiteral("First Bank"));
    QCOMPARE(Stored("Casa", "Loan 2 InterestRate"), QStringLiteral("0"));
    QCOMPARE(Stored("Casa", "Loan 3 Who"), QStringLiteral("<missing>"));
}

void TestScenarioFile::loadFillsRowsFromTheTop()
{
    TypeName(*window, QStringLiteral("Casa"));
    TypeInto(window->txtLoanAmount, QStringLiteral("150000"));
    QVERIFY(PickFrom(window->cboFrequency[0], QStringLiteral("Monthly")));
    TypeInto(window->txtTerm[0], QStringLiteral("30"));
    TypeInto(window->txtInterestRate[0], QStringLiteral("6.5"));
    TypeWho(window->txtWho[2], QStringLiteral("First Bank"));
    TypeInto(window->txtPoints[2], QStringLiteral("1.5"));
    Save();

    // Another scenario in the window, sorted, with something in every row.
    window.reset();
    OpenWindow();
    for (int d = 0; d <= window->LoadedUpperIndex(); ++d)
        TypeWho(window->txtWho[static_cast<std::size_t>(d)], QStringLiteral("Other %1").arg(d));
    QTest::mouseClick(window->cmdInterest, Qt::LeftButton);
    QVERIFY(window->SortMode() != 1);
    MessageBox::Intercept({QMessageBox::No});

    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Casa")));

    QCOMPARE(window->SortMode(), 1);
    QVERIFY(!window->cmdInterest->isChecked() && !window->cmdPayoffDate->isChecked());
    QCOMPARE(window->LoanName(), QStringLiteral("Casa"));
    QCOMPARE(window->txtLoanAmount->text(), QStringLiteral("$150,000.00"));
    QCOMPARE(window->txtInterestRate[0]->text(), QStringLiteral("6.500%"));
    QCOMPARE(window->txtTerm[0]->text(), QStringLiteral("30"));
    QCOMPARE(window->cboFrequency[0]->currentText(), QStringLiteral("Monthly"));
    QCOMPARE(window->txtPandI[0]->text(), QStringLiteral("$948.10"));
    QCOMPARE(window->txtWho[0]->toPlainText(), QString());
    QCOMPARE(window->txtWho[1]->toPlainText(), QStringLiteral("First Bank"));
    QCOMPARE(window->txtPoints[1]->text(), QStringLiteral("1.500"));
    for (int d = 2; d <= window->LoadedUpperIndex(); ++d) {
        const auto row = static_cast<std::size_t>(d);
        QCOMPARE(window->txtWho[row]->toPlainText(), QString());
        QCOMPARE(window->Quotes[row]->Who(), QString());
    }
    for (std::size_t q = 2; q < window->Quotes.size(); ++q)
        QVERIFY(window->Quotes[q]->Who().isEmpty());
    QVERIFY(!window->ScenarioChanged());
}

// The pink of a missing current-loan input belongs to the scenario shown,
// not to the one shown before it.
void TestScenarioFile::loadMarksTheCurrentInputsItLacks()
{
    TypeName(*window, QStringLiteral("Casa"));
    TypeInto(window->txtCurLoanAmount, QStringLiteral("100000"));
    TypeInto(window->txtCurLoanTerm, QStringLiteral("30"));
    TypeInto(window->txtCurInterestRate, QStringLiteral("6"));
    Save();
    TypeName(*window, QStringLiteral("Solo"));
    TypeInto(window->txtCurLoanTerm, QString());
    Save();
    window.reset();
    OpenWindow();
    TypeInto(window->txtCurLoanAmount, QStringLiteral("5000"));
    QCOMPARE(window->txtCurInterestRate->palette().color(QPalette::Base), Pink);
    MessageBox::Intercept({QMessageBox::No});

    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Casa")));

    for (QWidget* input : {window->txtCurLoanAmount, window->txtCurLoanTerm, window->txtCurInterestRate})
        QVERIFY(input->palette().color(QPalette::Base) != Pink);

    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Solo")));

    QCOMPARE(window->txtCurLoanTerm->palette().color(QPalette::Base), Pink);
    QVERIFY(window->txtCurInterestRate->palette().color(QPalette::Base) != Pink);
}

void TestScenarioFile::resavingLeavesNoStaleQuote()
{
    TypeName(*window, QStringLiteral("Casa"));
    for (std::size_t d = 0; d < 3; ++d)
        TypeWho(window->txtWho[d], QStringLiteral("Bank %1").arg(d));
    Save();
    QCOMPARE(StoredNumber("Casa", "LoanCount").toInt(), 3);

    QTest::mouseClick(window->txtWho[1]->viewport(), Qt::LeftButton);
    QTest::keyClick(window->txtWho[1], Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window->txtWho[1], Qt::Key_Delete);
    QTest::keyClick(window->txtWho[1], Qt::Key_Tab);
    Save();

    QCOMPARE(StoredNumber("Casa", "LoanCount").toInt(), 2);
    QCOMPARE(Stored("Casa", "Loan 2 Who"), QStringLiteral("Bank 2"));
    QCOMPARE(Stored("Casa", "Loan 3 Who"), QStringLiteral("<missing>"));
}

// Save does not wait for the user to leave the field being typed in.
void TestScenarioFile::savingTakesWhatIsBeingTyped()
{
    TypeName(*window, QStringLiteral("Casa"));
    TypeWho(window->txtWho[0], QStringLiteral("Bank"));
    QTest::mouseClick(window->txtLoanAmount, Qt::LeftButton);
    QTest::keyClicks(window->txtLoanAmount, QStringLiteral("123456.7"));

    Save();

    QCOMPARE(Stored("Casa", "LoanAmount"), QStringLiteral("123456.7"));
    QCOMPARE(QApplication::focusWidget(), window->txtLoanAmount);
    QCOMPARE(window->txtLoanAmount->text(), QStringLiteral("123456.7"));

    TypeName(*window, QStringLiteral("Otra"));
    QTest::mouseClick(window->txtWho[0]->viewport(), Qt::LeftButton);
    QTest::keyClicks(window->txtWho[0], QStringLiteral(" & Trust"));
    Save();
    QCOMPARE(Stored("Otra", "Loan 1 Who"), QStringLiteral("Bank & Trust"));
}

// The name asked for is typed and saved at once, the focus still in the box.
void TestScenarioFile::savingUnderATypedNameClearsTheColour()
{
    TypeInto(window->txtLoanAmount, QStringLiteral("100000"));
    Save();
    QCOMPARE(window->cboLoanName->palette().color(QPalette::Base), Pink);
    QCOMPARE(QApplication::focusWidget(), window->cboLoanName);

    TypeText(window->cboLoanName, QStringLiteral("Casa"));
    Save();

    QVERIFY(ScenarioStore::Exists(QStringLiteral("Casa")));
    QVERIFY(window->cboLoanName->palette().color(QPalette::Base) != Pink);
}

void TestScenarioFile::pickingAnotherNameAsksFirst_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("saved");

    QTest::newRow("Yes") << "Casa" << int(QMessageBox::Yes) << "Save changes to Casa?" << true << true;
    QTest::newRow("No") << "Casa" << int(QMessageBox::No) << "Save changes to Casa?" << true << false;
    QTest::newRow("Cancel") << "Casa" << int(QMessageBox::Cancel) << "Save changes to Casa?" << false << false;
    QTest::newRow("No, no name") << "" << int(QMessageBox::No) << "Save changes?" << true << false;
    // The name is asked for: the field turns pink and takes the focus.
    QTest::newRow("Yes, no name") << "" << int(QMessageBox::Yes) << "Save changes?" << false << false;
}

void TestScenarioFile::pickingAnotherNameAsksFirst()
{
    QFETCH(QString, name);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, cleared);
    QFETCH(bool, saved);
    if (!name.isEmpty())
        TypeName(*window, name);
    TypeInto(window->txtLoanAmount, QStringLiteral("100000"));
    MessageBox::Intercept({static_cast<QMessageBox::StandardButton>(answer)});

    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("<new>")));

    QCOMPARE(MessageBox::RecordedTexts(), QStringList{question});
    const MessageBox::Shown shown = MessageBox::Recorded().constFirst();
    QCOMPARE(shown.title, QStringLiteral("Save changes?"));
    QCOMPARE(shown.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(shown.icon, QMessageBox::Question);
    QCOMPARE(window->LoanAmount().Raw() == 0, cleared);
    QCOMPARE(window->LoanName(), cleared ? QString() : name);
    QCOMPARE(window->cboLoanName->currentText(), cleared ? QString() : name);
    QCOMPARE(ScenarioStore::Exists(QStringLiteral("Casa")), saved);
    if (saved)
        QCOMPARE(Stored("Casa", "LoanAmount"), QStringLiteral("100000"));
    const bool askedForName = name.isEmpty() && answer == QMessageBox::Yes;
    QCOMPARE(window->cboLoanName->palette().color(QPalette::Base) == Pink, askedForName);
    if (askedForName)
        QCOMPARE(QApplication::focusWidget(), window->cboLoanName);
    QCOMPARE(window->ScenarioChanged(), !cleared);
}

void TestScenarioFile::closingWithYesSaves()
{
    TypeName(*window, QStringLiteral("Casa"));
    TypeInto(window->txtLoanAmount, QStringLiteral("100000"));
    QTest::mouseClick(window->txtAnnualTaxes, Qt::LeftButton);
    QTest::keyClicks(window->txtAnnualTaxes, QStringLiteral("2400"));
    MessageBox::Intercept({QMessageBox::Yes});

    window->mnuFileExit->trigger();

    QVERIFY(!window->isVisible());
    QCOMPARE(MessageBox::RecordedTexts(), QStringList{QStringLiteral("Save changes to Casa?")});
    QCOMPARE(Stored("Casa", "LoanAmount"), QStringLiteral("100000"));
    QCOMPARE(Stored("Casa", "EscrowTaxes"), QStringLiteral("2400"));
}

void TestScenarioFile::theQuestionIsAboutTheScenarioShown_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");

    for (const char* command : {"pick", "new", "close"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, Yes").arg(command))) << command << int(QMessageBox::Yes);
        QTest::newRow(qPrintable(QStringLiteral("%1, No").arg(command))) << command << int(QMessageBox::No);
        QTest::newRow(qPrintable(QStringLiteral("%1, Cancel").arg(command))) << command << int(QMessageBox::Cancel);
    }
}

// The box takes the focus from the name field as a real one does; by then
// the field may show the entry picked, and neither that scenario nor one
// named "<new>" may receive the edited window.
void TestScenarioFile::theQuestionIsAboutTheScenarioShown()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    TypeName(*window, QStringLiteral("Beta"));
    TypeInto(window->txtLoanAmount, QStringLiteral("200000"));
    Save();
    TypeName(*window, QStringLiteral("Alpha"));
    TypeInto(window->txtLoanAmount, QStringLiteral("100000"));
    Save();
    TypeInto(window->txtLoanAmount, QStringLiteral("150000"));
    QTest::mouseClick(window->cboLoanName->lineEdit(), Qt::LeftButton);
    MessageBox::Intercept({static_cast<QMessageBox::StandardButton>(answer)}, MessageBox::Focus::Taken);

    if (command == QLatin1String("pick"))
        QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Beta")));
    else if (command == QLatin1String("new"))
        window->mnuFileNew->trigger();
    else
        window->mnuFileExit->trigger();

    QCOMPARE(MessageBox::RecordedTexts(), QStringList{QStringLiteral("Save changes to Alpha?")});
    const bool cancelled = answer == QMessageBox::Cancel;
    if (cancelled) {
        QVERIFY(window->isVisible());
        QCOMPARE(window->LoanName(), QStringLiteral("Alpha"));
        QCOMPARE(window->cboLoanName->currentText(), QStringLiteral("Alpha"));
        QCOMPARE(window->LoanAmount().Raw(), Q_INT64_C(1500000000));
        QVERIFY(window->ScenarioChanged());
    } else if (command == QLatin1String("pick")) {
        QCOMPARE(window->LoanName(), QStringLiteral("Beta"));
        QCOMPARE(window->LoanAmount().Raw(), Q_INT64_C(2000000000));
    } else if (command == QLatin1String("new")) {
        QCOMPARE(window->LoanName(), QString());
        QCOMPARE(window->txtLoanAmount->text(), QString());
    }

    MessageBox::Intercept({QMessageBox::No});
    window.reset();
    OpenWindow();
    QCOMPARE(ScenarioStore::Names(), QStringList({"Alpha", "Beta"}));
    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Beta")));
    QCOMPARE(window->LoanAmount().Raw(), Q_INT64_C(2000000000));
    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Alpha")));
    QCOMPARE(window->LoanAmount().Raw(), answer == QMessageBox::Yes ? Q_INT64_C(1500000000) : Q_INT64_C(1000000000));
}

void TestScenarioFile::yesWithoutANameSavesNothing_data()
{
    QTest::addColumn<QString>("command");

    QTest::newRow("pick") << "pick";
    QTest::newRow("new") << "new";
}

void TestScenarioFile::yesWithoutANameSavesNothing()
{
    QFETCH(QString, command);
    TypeName(*window, QStringLiteral("Beta"));
    TypeInto(window->txtLoanAmount, QStringLiteral("200000"));
    Save();
    window->mnuFileNew->trigger();
    TypeInto(window->txtLoanAmount, QStringLiteral("300000"));
    QTest::mouseClick(window->cboLoanName->lineEdit(), Qt::LeftButton);
    MessageBox::Intercept({QMessageBox::Yes}, MessageBox::Focus::Taken);

    if (command == QLatin1String("pick"))
        QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Beta")));
    else
        window->mnuFileNew->trigger();

    QCOMPARE(MessageBox::RecordedTexts(), QStringList{QStringLiteral("Save changes?")});
    QCOMPARE(ScenarioStore::Names(), QStringList{QStringLiteral("Beta")});
    QCOMPARE(Stored("Beta", "LoanAmount"), QStringLiteral("200000"));
    QCOMPARE(window->LoanName(), QString());
    QCOMPARE(window->cboLoanName->currentText(), QString());
    QCOMPARE(window->LoanAmount().Raw(), Q_INT64_C(3000000000));
    QCOMPARE(window->cboLoanName->palette().color(QPalette::Base), Pink);
    QCOMPARE(QApplication::focusWidget(), window->cboLoanName);
}

void TestScenarioFile::newStartsAnEmptyScenario()
{
    TypeName(*window, QStringLiteral("Casa"));
    TypeInto(window->txtLoanAmount, QStringLiteral("100000"));
    TypeInto(window->txtCurLoanAmount, QStringLiteral("90000"));
    QVERIFY(PickFrom(window->cboActPaymentFrequency, QStringLiteral("Biweekly")));
    TypeWho(window->txtWho[0], QStringLiteral("Bank"));
    Save();
    QVERIFY(PickFrom(window->cboLoanType, QStringLiteral("Boat")));
    MessageBox::Intercept({QMessageBox::No});

    window->mnuFileNew->trigger();

    QCOMPARE(MessageBox::RecordedTexts(), QStringList{QStringLiteral("Save changes to Casa?")});
    QCOMPARE(EntriesOf(window->cboLoanName), QStringList({"<new>", "Casa"}));
    QCOMPARE(window->cboLoanName->currentText(), QString());
    QCOMPARE(QApplication::focusWidget(), window->cboLoanName);
    QCOMPARE(window->LoanName(), QString());
    QCOMPARE(window->LoanTypeCode(), QString());
    QCOMPARE(window->cboLoanType->count(), 0);
    QCOMPARE(window->txtLoanAmount->text(), QString());
    QCOMPARE(window->CurrentActualFrequencyCode(), QString());
    QCOMPARE(window->cboActPaymentFrequency->count(), 0);
    QCOMPARE(window->txtCurLoanTerm->palette().color(QPalette::Base) == Pink, false);
    QCOMPARE(window->Quotes[0]->Who(), QString());
    QCOMPARE(window->txtWho[0]->toPlainText(), QString());
    QCOMPARE(window->CurrentNextPayment(), DayCount::FromDate(QDate(2026, 4, 1)));
    QVERIFY(!window->ScenarioChanged());
    QCOMPARE(Stored("Casa", "Loan 1 Who"), QStringLiteral("Bank"));
}

// A saved name that begins like the typed one must not take its place: the
// next save would overwrite that scenario.
void TestScenarioFile::typedNameIsNotCompletedToASavedOne()
{
    TypeName(*window, QStringLiteral("Casa Grande"));
    Save();
    window->mnuFileNew->trigger();

    TypeName(*window, QStringLiteral("Casa"));

    QCOMPARE(window->LoanName(), QStringLiteral("Casa"));
    QCOMPARE(window->cboLoanName->currentText(), QStringLiteral("Casa"));
}

void TestScenarioFile::deleteAsksAndForgets_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");

    QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("No") << int(QMessageBox::No) << false;
}

void TestScenarioFile::deleteAsksAndForgets()
{
    QFETCH(int, answer);
    QFETCH(bool, deleted);
    TypeName(*window, QStringLiteral("Otra"));
    Save();
    TypeName(*window, QStringLiteral("Casa"));
    TypeInto(window->txtLoanAmount, QStringLiteral("100000"));
    Save();
    MessageBox::Intercept({static_cast<QMessageBox::StandardButton>(answer)});

    window->mnuFileDelete->trigger();

    QCOMPARE(MessageBox::RecordedTexts(), QStringList{QStringLiteral("Delete loan Casa?")});
    QCOMPARE(MessageBox::Recorded().constFirst().title, QStringLiteral("Confirm Loan Delete"));
    QCOMPARE(MessageBox::Recorded().constFirst().buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(ScenarioStore::Exists(QStringLiteral("Casa")), !deleted);
    QVERIFY(ScenarioStore::Exists(QStringLiteral("Otra")));
    QCOMPARE(window->LoanName(), deleted ? QString() : QStringLiteral("Casa"));
    QCOMPARE(window->LoanAmount().Raw(), deleted ? 0 : Q_INT64_C(1000000000));
    if (deleted) {
        QCOMPARE(EntriesOf(window->cboLoanName), QStringList({"<new>", "Otra"}));
        QCOMPARE(QApplication::focusWidget(), window->cboLoanName);
    }
}

void TestScenarioFile::deleteOfAnUnnamedChangeOnlyClears()
{
    TypeInto(window->txtLoanAmount, QStringLiteral("100000"));

    window->mnuFileDelete->trigger();

    QVERIFY(MessageBox::Recorded().isEmpty());
    QCOMPARE(window->LoanAmount().Raw(), Q_INT64_C(0));
    QVERIFY(!window->ScenarioChanged());
    QCOMPARE(QApplication::focusWidget(), window->cboLoanName);
}

// Each value that does not convert is reported where it comes and keeps
// what the window had; the others load.
void TestScenarioFile::failingValueIsReportedAndSkipped()
{
    const QString key = ScenarioStore::KeyPath(QStringLiteral("Raro"));
    RegistryAPI::CreateKey(Root::CurrentUser, key);
    auto text = [&](const char* name, const char* value) {
        RegistryAPI::WriteValue(Root::CurrentUser, key, QLatin1String(name), RegistryAPI::REG_SZ,
                                QLatin1String(value));
    };
    text("LoanAmount", "12x");
    text("LoanTerm", "360");
    text("Loan 1 Points", "abc");
    text("Loan 1 InterestRate", "0.05");
    text("Loan 1 Term", "360");
    RegistryAPI::WriteValue(Root::CurrentUser, key, QStringLiteral("LoanCount"), RegistryAPI::REG_DWORD, 1);
    TypeInto(window->txtLoanAmount, QStringLiteral("5000"));
    TypeInto(window->txtPoints[0], QStringLiteral("2"));
    MessageBox::Intercept({QMessageBox::No});

    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Raro")));

    QCOMPARE(MessageBox::RecordedTexts(),
             QStringList({QStringLiteral("Save changes?"), QStringLiteral("errn=13  src=LoanAmount  desc=Type mismatch"),
                          QStringLiteral("errn=13  src=Loan 1 Points  desc=Type mismatch")}));
    QCOMPARE(window->LoanAmount().Raw(), Q_INT64_C(50000000));
    QCOMPARE(window->LoanTerm(), 360);
    QCOMPARE(window->Quotes[0]->Points(), 0.0);
    QCOMPARE(window->Quotes[0]->InterestRate(), 0.05);
    QCOMPARE(window->txtInterestRate[0]->text(), QStringLiteral("5.000%"));
    QVERIFY(!window->ScenarioChanged());
}

void TestScenarioFile::nextPaymentReadsTheSameInEveryRegion_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("loaded");

    for (const char* loaded : {"es_ES", "en_US", "de_DE"})
        QTest::newRow(qPrintable(QStringLiteral("es_ES to %1").arg(loaded))) << "es_ES" << loaded;
    QTest::newRow("C to de_DE") << "C" << "de_DE";
}

void TestScenarioFile::nextPaymentReadsTheSameInEveryRegion()
{
    QFETCH(QString, saved);
    QFETCH(QString, loaded);
    const double march1 = DayCount::FromDate(QDate(2027, 3, 1));
    QLocale::setDefault(QLocale(saved));
    window.reset();
    OpenWindow();
    TypeName(*window, QStringLiteral("Casa"));
    window->SetCurrentNextPayment(march1);
    Save();
    QCOMPARE(Stored("Casa", "CurrentNextPayment"), QStringLiteral("2027-03-01"));

    QLocale::setDefault(QLocale(loaded));
    window.reset();
    OpenWindow();
    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Casa")));

    QCOMPARE(MessageBox::RecordedTexts(), QStringList());
    QCOMPARE(window->CurrentNextPayment(), march1);
}

void TestScenarioFile::nextPaymentSavedInTheRegionalFormStillLoads_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");

    QTest::newRow("es_ES") << "es_ES" << "1/3/2027";
    QTest::newRow("en_US") << "en_US" << "3/1/2027";
    QTest::newRow("de_DE") << "de_DE" << "01.03.2027";
}

void TestScenarioFile::nextPaymentSavedInTheRegionalFormStillLoads()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    const QString key = ScenarioStore::KeyPath(QStringLiteral("Antiguo"));
    RegistryAPI::CreateKey(Root::CurrentUser, key);
    RegistryAPI::WriteValue(Root::CurrentUser, key, QStringLiteral("CurrentNextPayment"), RegistryAPI::REG_SZ, text);
    window.reset();
    OpenWindow();

    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Antiguo")));

    QCOMPARE(MessageBox::RecordedTexts(), QStringList());
    QCOMPARE(window->CurrentNextPayment(), DayCount::FromDate(QDate(2027, 3, 1)));
}

void TestScenarioFile::everyValueSurvivesARestart_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("name");

    QTest::newRow("accented, en_US") << "en_US" << QStringLiteral("Préstamo Ñandú");
    QTest::newRow("Japanese, de_DE") << "de_DE" << QStringLiteral("住宅ローン 2");
}

void TestScenarioFile::everyValueSurvivesARestart()
{
    QFETCH(QString, locale);
    QFETCH(QString, name);
    window.reset();
    fresh.emplace(qPrintable(locale));
    OpenWindow();

    QString lender;
    for (int line = 0; lender.size() < 3000; ++line)
        lender += QStringLiteral("Línea %1: Banco Ñandú, calle 12 · ☎ 555-0100\n").arg(line);
    lender.truncate(3000);

    Loan& w = *window;
    TypeName(w, name);
    w.SetLoanType(w.LoadResString(rsHomeImprovement));
    w.SetLoanAmount(Money::FromRaw(Q_INT64_C(2500005500)));
    w.SetLoanTerm(348);
    w.SetEscrowTaxes(Money::FromRaw(Q_INT64_C(32109800)));
    w.SetEscrowInsurance(Money::FromRaw(Q_INT64_C(12345000)));
    w.SetCurrentLoanAmount(Money::FromRaw(Q_INT64_C(1800000000)));
    w.SetCurrentTerm(180);
    w.SetCurrentInterestRate(0.04875);
    w.SetCurrentFrequency(w.LoadResString(rsTermBimonthly));
    w.SetCurrentActualFrequency(w.LoadResString(rsTermQuadweekly));
    w.RecalcCurrentPayment();
    w.SetCurrentActualPayment(Money::FromRaw(Q_INT64_C(25000000)));
    w.SetCurrentBalance(Money::FromRaw(Q_INT64_C(1234567800)));
    w.SetCurrentNextPayment(DayCount::FromDate(QDate(2026, 5, 17)));
    CLoan& first = *w.Quotes[0];
    first.SetFinancePoints(true);
    first.SetPoints(1.25);
    first.SetTerm(360);
    first.SetInterestRate(0.0625);
    first.SetFrequencyCode(QStringLiteral("W"));
    first.SetActualPayment(Money::FromRaw(Q_INT64_C(9500000)));
    first.SetWho(lender);
    w.Quotes[3]->SetInterestRate(0.071);
    const Money scheduled = w.CurrentPayment();
    QVERIFY(scheduled != Money());
    Save();
    QCOMPARE(MessageBox::RecordedTexts(), QStringList());

    window.reset();
    OpenWindow();
    QVERIFY(PickFrom(window->cboLoanName, name));
    Loan& l = *window;

    QVERIFY(MessageBox::Recorded().isEmpty());
    QCOMPARE(l.LoanName(), name);
    QCOMPARE(l.LoanTypeCode(), QStringLiteral("H"));
    QCOMPARE(l.cboLoanType->currentText(), l.LoadResString(rsHomeImprovement));
    QCOMPARE(l.LoanAmount().Raw(), Q_INT64_C(2500005500));
    QCOMPARE(l.LoanTerm(), 348);
    QCOMPARE(l.EscrowTaxes().Raw(), Q_INT64_C(32109800));
    QCOMPARE(l.EscrowInsurance().Raw(), Q_INT64_C(12345000));
    QCOMPARE(l.EscrowMonthly().Raw(), Q_INT64_C(3704600));
    QCOMPARE(l.CurrentLoanAmount().Raw(), Q_INT64_C(1800000000));
    QCOMPARE(l.CurrentTerm(), 180);
    QCOMPARE(l.CurrentInterestRate(), 0.04875);
    QCOMPARE(l.CurrentBalance().Raw(), Q_INT64_C(1234567800));
    QCOMPARE(l.CurrentFrequencyCode(), QStringLiteral("B"));
    QCOMPARE(l.CurrentActualFrequencyCode(), QStringLiteral("Q"));
    QCOMPARE(l.cboCurPaymentFrequency->currentText(), l.LoadResString(rsTermBimonthly));
    QCOMPARE(l.cboActPaymentFrequency->currentText(), l.LoadResString(rsTermQuadweekly));
    QCOMPARE(l.CurrentPayment(), scheduled);
    QCOMPARE(l.CurrentActualPayment().Raw(), Q_INT64_C(25000000));
    QCOMPARE(l.CurrentNextPayment(), DayCount::FromDate(QDate(2026, 5, 17)));
    QVERIFY(l.CurrentPayoffDate() > l.CurrentNextPayment());

    const CLoan& loaded = *l.Quotes[0];
    QVERIFY(loaded.FinancePoints());
    QVERIFY(l.chkPoints[0]->isChecked());
    QCOMPARE(loaded.Points(), 1.25);
    QCOMPARE(loaded.Term(), 360);
    QCOMPARE(loaded.InterestRate(), 0.0625);
    QCOMPARE(loaded.FrequencyCode(), QStringLiteral("W"));
    QCOMPARE(loaded.ActualPayment().Raw(), Q_INT64_C(9500000));
    QCOMPARE(loaded.Who(), lender);
    QCOMPARE(l.txtWho[0]->toPlainText(), lender);
    QCOMPARE(l.Quotes[1]->InterestRate(), 0.071);
    QCOMPARE(l.Quotes[3]->InterestRate(), 0.0);
    QVERIFY(!l.ScenarioChanged());
}

void TestScenarioFile::namesDifferingInCaseAreOneScenario()
{
    TypeName(*window, QStringLiteral("Casa"));
    TypeInto(window->txtLoanAmount, QStringLiteral("100000"));
    Save();
    TypeName(*window, QStringLiteral("CASA"));
    TypeInto(window->txtLoanAmount, QStringLiteral("200000"));
    Save();

    QCOMPARE(ScenarioStore::Names().size(), 1);
    QCOMPARE(Stored("casa", "LoanAmount"), QStringLiteral("200000"));
    window->FillLoanNameList();
    QCOMPARE(window->cboLoanName->count(), 2);
    QCOMPARE(window->cboLoanName->currentIndex(), 1);
}

void TestScenarioFile::refusedNameIsNotSaved_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("backslash") << QStringLiteral("Casa\\Playa");
    QTest::newRow("leading blank") << QStringLiteral(" Casa");
    QTest::newRow("too long") << QString(256, QLatin1Char('n'));
}

void TestScenarioFile::refusedNameIsNotSaved()
{
    QFETCH(QString, name);
    TypeName(*window, name);
    TypeInto(window->txtLoanAmount, QStringLiteral("100000"));

    Save();

    QCOMPARE(MessageBox::RecordedTexts(),
             QStringList{QStringLiteral("A loan name cannot contain a backslash, a tab or a line break, begin or end "
                                        "with a blank, or be longer than 255 characters: ")
                         + name});
    QVERIFY(ScenarioStore::Names().isEmpty());
    QVERIFY(window->ScenarioChanged());
    QCOMPARE(window->cboLoanName->palette().color(QPalette::Base), Pink);
    QCOMPARE(QApplication::focusWidget(), window->cboLoanName);
}

// Another copy of the program is in the middle of a save.
void TestScenarioFile::lockedHiveKeepsTheWindowsData()
{
    TypeName(*window, QStringLiteral("Casa"));
    TypeInto(window->txtLoanAmount, QStringLiteral("100000"));
    {
        HiveLock lock;
        QVERIFY(lock.isHeld());
        Save();
    }
    QCOMPARE(MessageBox::Recorded().size(), 1);
    QVERIFY(!MessageBox::RecordedTexts().constFirst().isEmpty());
    QVERIFY(!ScenarioStore::Exists(QStringLiteral("Casa")));
    QVERIFY(window->ScenarioChanged());
    QCOMPARE(window->LoanAmount().Raw(), Q_INT64_C(1000000000));

    Save();
    QCOMPARE(Stored("Casa", "LoanAmount"), QStringLiteral("100000"));
}

// Typed again after New, the name of a saved scenario is not a licence to
// overwrite it.
void TestScenarioFile::savingOverAnotherScenarioAsksFirst()
{
    TypeName(*window, QStringLiteral("Casa"));
    TypeInto(window->txtLoanAmount, QStringLiteral("150000"));
    Save();
    window->mnuFileNew->trigger();
    TypeName(*window, QStringLiteral("casa"));
    TypeInto(window->txtLoanAmount, QStringLiteral("90000"));

    MessageBox::Intercept({QMessageBox::No});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(MessageBox::Recorded().size(), 1);
    const MessageBox::Shown asked = MessageBox::Recorded().constFirst();
    QCOMPARE(asked.text, QStringLiteral("Replace the saved scenario \"casa\"?"));
    QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(asked.icon, QMessageBox::Question);
    QCOMPARE(QApplication::focusWidget(), window->cboLoanName);
    QCOMPARE(Stored("Casa", "LoanAmount"), QStringLiteral("150000"));
    QVERIFY(window->ScenarioChanged());

    MessageBox::Intercept({QMessageBox::Yes});
    Save();
    QCOMPARE(Stored("Casa", "LoanAmount"), QStringLiteral("90000"));
    // The scenario shown is now the one saved: saving it again asks nothing.
    MessageBox::ClearRecorded();
    TypeInto(window->txtLoanAmount, QStringLiteral("95000"));
    Save();
    QVERIFY(MessageBox::Recorded().isEmpty());

    window.reset();
    OpenWindow();
    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("casa")));
    QCOMPARE(window->LoanAmount(), Money::FromDouble(95000));
}

void TestScenarioFile::saveAsKeepsTheScenarioSavedBefore()
{
    TypeName(*window, QStringLiteral("Playa"));
    TypeInto(window->txtLoanAmount, QStringLiteral("50000"));
    Save();
    window->mnuFileNew->trigger();
    TypeName(*window, QStringLiteral("Casa"));
    TypeInto(window->txtLoanAmount, QStringLiteral("150000"));
    Save();
    TypeInto(window->txtLoanAmount, QStringLiteral("175000"));
    const auto saveAs = [] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    };

    MessageBox::AnswerPrompts({QStringLiteral(" ")});
    saveAs();
    QCOMPARE(MessageBox::RecordedTexts(),
             (QStringList{"Save the scenario under the name:", "Invalid save name (blank)"}));

    MessageBox::Intercept({QMessageBox::No});
    MessageBox::AnswerPrompts({QStringLiteral("Playa")});
    saveAs();
    QCOMPARE(MessageBox::RecordedTexts().constLast(), QStringLiteral("Replace the saved scenario \"Playa\"?"));
    QCOMPARE(Stored("Playa", "LoanAmount"), QStringLiteral("50000"));
    QCOMPARE(window->LoanName(), QStringLiteral("Casa"));

    MessageBox::AnswerPrompts({QStringLiteral("Casa 2")});
    saveAs();
    QCOMPARE(Stored("Casa 2", "LoanAmount"), QStringLiteral("175000"));
    QCOMPARE(Stored("Casa", "LoanAmount"), QStringLiteral("150000"));
    QCOMPARE(window->LoanName(), QStringLiteral("Casa 2"));
    QCOMPARE(window->cboLoanName->currentText(), QStringLiteral("Casa 2"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Casa 2 \u2014 Loan[*]"));
    QVERIFY(!window->isWindowModified());
}

// The amount of the scenario loaded reaches the quotes of the one shown
// before; none of their raises may show on the rows of the new one.
void TestScenarioFile::loadingHighlightsOnlyWhatItRaised()
{
    const QColor raised(255, 255, 128);
    TypeName(*window, QStringLiteral("Grande"));
    TypeInto(window->txtLoanAmount, QStringLiteral("400000"));
    QVERIFY(PickFrom(window->cboFrequency[0], QStringLiteral("Monthly")));
    TypeInto(window->txtTerm[0], QStringLiteral("30"));
    TypeInto(window->txtInterestRate[0], QStringLiteral("6"));
    Save();
    window.reset();
    OpenWindow();
    TypeName(*window, QStringLiteral("Chica"));
    TypeInto(window->txtLoanAmount, QStringLiteral("100000"));
    for (std::size_t row : {0, 1}) {
        QVERIFY(PickFrom(window->cboFrequency[row], QStringLiteral("Monthly")));
        TypeInto(window->txtTerm[row], QStringLiteral("30"));
        TypeInto(window->txtInterestRate[row], QStringLiteral("6"));
    }
    Save();
    window.reset();
    OpenWindow();
    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Chica")));
    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Grande")));

    QCOMPARE(window->txtActualPayment[0]->text(), QStringLiteral("$2,398.20"));
    for (std::size_t row : {0, 1})
        QVERIFY(window->txtActualPayment[row]->palette().color(QPalette::Base) != raised);
    QVERIFY(!window->ScenarioChanged());
}

QTEST_MAIN(TestScenarioFile)
#include "tst_scenariofile.moc"
