// Switching the language with values entered: every list of language texts
// is filled anew and shows the stored choice, in both directions.

#include "tests/app/WindowTest.h"
#include "FreshStart.h"
#include "UserInput.h"

#include "app/Language.h"
#include "app/Loan.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <optional>

namespace {

void Choose(Loan& window, int language)
{
    window.mnuToolsLanguageOpt[language]->trigger();
}

} // namespace

class TestLanguageLists : public WindowTest
{
    Q_OBJECT

private slots:
    void listsFollowTheLanguage_data();
    void listsFollowTheLanguage();
    void emptyChoicesStayEmpty();
    void newScenarioEntryFollowsTheLanguage();

};

void TestLanguageLists::listsFollowTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<QStringList>("frequencies");

    const QStringList englishTypes = {"Mortgage", "Automobile", "Boat", "College", "Home Improvement",
                                      "Debt Consolidation"};
    const QStringList englishFrequencies = {"Monthly", "Bimonthly", "Biweekly", "Quadweekly"};
    QTest::newRow("Spanish") << int(Language::Spanish)
                             << QStringList{"Hipoteca", "Automóvil", "Yate", "Universidad", "Mejoras a la Casa",
                                            "Consolidación de Deudas"}
                             << QStringList{"Mensual", "Bimestral", "Bisemanal", "Cuadsemanal"};
    // Twice in a row: back to English from Spanish.
    QTest::newRow("Spanish, then English") << int(Language::English) << englishTypes << englishFrequencies;
}

// Boat, Biweekly scheduled, Quadweekly actual, Bimonthly in the first row:
// the third, the third, the fourth and the second entry of their lists.
void TestLanguageLists::listsFollowTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QStringList, types);
    QFETCH(QStringList, frequencies);
    TypeInto(window->txtLoanAmount, QStringLiteral("150000"));
    QVERIFY(PickFrom(window->cboLoanType, QStringLiteral("Boat")));
    QVERIFY(PickFrom(window->cboCurPaymentFrequency, QStringLiteral("Biweekly")));
    QVERIFY(PickFrom(window->cboActPaymentFrequency, QStringLiteral("Quadweekly")));
    QVERIFY(PickFrom(window->cboFrequency[0], QStringLiteral("Bimonthly")));

    Choose(*window, Language::Spanish);
    if (language == Language::English)
        Choose(*window, Language::English);

    QCOMPARE(EntriesOf(window->cboLoanType), types);
    QCOMPARE(window->cboLoanType->currentText(), types[2]);
    QCOMPARE(EntriesOf(window->cboCurPaymentFrequency), frequencies);
    QCOMPARE(window->cboCurPaymentFrequency->currentText(), frequencies[2]);
    QCOMPARE(EntriesOf(window->cboActPaymentFrequency), frequencies);
    QCOMPARE(window->cboActPaymentFrequency->currentText(), frequencies[3]);
    QCOMPARE(EntriesOf(window->cboFrequency[0]), frequencies);
    QCOMPARE(window->cboFrequency[0]->currentText(), frequencies[1]);

    QCOMPARE(window->LoanTypeCode(), QStringLiteral("B"));
    QCOMPARE(window->CurrentFrequencyCode(), QStringLiteral("W"));
    QCOMPARE(window->CurrentActualFrequencyCode(), QStringLiteral("Q"));
    QCOMPARE(window->Quotes[0]->FrequencyCode(), QStringLiteral("B"));
    QCOMPARE(window->LoanAmount().Raw(), Q_INT64_C(1500000000));

    // A pick in the new language is understood.
    QVERIFY(PickFrom(window->cboLoanType, types[3]));
    QCOMPARE(window->LoanTypeCode(), QStringLiteral("C"));
}

// The name list's first entry, the new scenario, is a language text too.
void TestLanguageLists::newScenarioEntryFollowsTheLanguage()
{
    window->FillLoanNameList();
    TypeInto(window->txtLoanAmount, QStringLiteral("150000"));
    window->SetScenarioChanged(false);
    Choose(*window, Language::Spanish);

    QCOMPARE(window->cboLoanName->itemText(0), QStringLiteral("<nuevo>"));
    // The arrow key steps onto the entry without opening the list.
    window->cboLoanName->setFocus();
    QTest::keyClick(window->cboLoanName, Qt::Key_Down);
    QCOMPARE(window->LoanAmount().Raw(), Q_INT64_C(0));
    QCOMPARE(window->LoanName(), QString());
}

void TestLanguageLists::emptyChoicesStayEmpty()
{
    Choose(*window, Language::Spanish);

    QCOMPARE(window->cboLoanType->currentText(), QString());
    QCOMPARE(window->cboCurPaymentFrequency->currentText(), QString());
    QCOMPARE(window->cboActPaymentFrequency->currentText(), QString());
    QCOMPARE(window->LoanTypeCode(), QString());
    QVERIFY(!window->ScenarioChanged());
    QVERIFY(PickFrom(window->cboLoanType, QStringLiteral("Yate")));
    QCOMPARE(window->LoanTypeCode(), QStringLiteral("B"));
}

QTEST_MAIN(TestLanguageLists)
#include "tst_languagelists.moc"
