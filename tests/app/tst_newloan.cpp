// The new-loan section driven through its fields: the monthly escrow, the
// loan amount reaching every quote, and the loan type list.

#include "tests/app/WindowTest.h"
#include "FreshStart.h"
#include "UserInput.h"

#include "app/Clock.h"
#include "app/Language.h"
#include "app/Loan.h"
#include "app/MessageBox.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>

#include <memory>
#include <optional>

namespace {

const QStringList EnglishTypes = {QStringLiteral("Mortgage"),         QStringLiteral("Automobile"),
                                  QStringLiteral("Boat"),             QStringLiteral("College"),
                                  QStringLiteral("Home Improvement"), QStringLiteral("Debt Consolidation")};

} // namespace

class TestNewLoan : public WindowTest
{
    Q_OBJECT

private slots:
    void monthlyEscrow_data();
    void monthlyEscrow();
    void loanAmountReachesEveryQuote();
    void loanTypeIsKeptAsItsCode_data();
    void loanTypeIsKeptAsItsCode();
    void pickingTheSameTypeChangesNothing();
    void openingTheListChoosesNothing();
    void settingAnUnknownTypeClearsTheList();
    void theNameIsNoChange();
    void emptyFirstPaymentCalendarOpensOnThisMonth();
};

void TestNewLoan::monthlyEscrow_data()
{
    QTest::addColumn<QString>("taxes");
    QTest::addColumn<QString>("insurance");
    QTest::addColumn<qint64>("monthly");
    QTest::addColumn<QString>("shown");

    QTest::newRow("2,400 + 900") << "2400" << "900" << Q_INT64_C(2750000) << "$275.00";
    QTest::newRow("a third of a cent down") << "1000" << "" << Q_INT64_C(833300) << "$83.33";
    QTest::newRow("taxes only") << "1234.56" << "0" << Q_INT64_C(1028800) << "$102.88";
    QTest::newRow("two thirds of a cent up") << "1000" << "100" << Q_INT64_C(916700) << "$91.67";
    QTest::newRow("none") << "" << "" << Q_INT64_C(0) << "";
}

void TestNewLoan::monthlyEscrow()
{
    QFETCH(QString, taxes);
    QFETCH(QString, insurance);
    QFETCH(qint64, monthly);
    QFETCH(QString, shown);

    TypeInto(window->txtAnnualTaxes, taxes);
    TypeInto(window->txtAnnualInsurance, insurance);

    QCOMPARE(window->EscrowMonthly().Raw(), monthly);
    QCOMPARE(window->txtMonthlyEscrow->text(), shown);
    QVERIFY(MessageBox::Recorded().isEmpty());
}

// The quotes beyond the loaded rows have no fields, but their payments are
// still figured from the loan amount.
void TestNewLoan::loanAmountReachesEveryQuote()
{
    QVERIFY(window->Quotes.size() > static_cast<std::size_t>(window->LoadedUpperIndex() + 1));
    QVERIFY(PickFrom(window->cboFrequency[0], QStringLiteral("Monthly")));
    TypeInto(window->txtTerm[0], QStringLiteral("30"));
    TypeInto(window->txtInterestRate[0], QStringLiteral("6.5"));

    TypeInto(window->txtLoanAmount, QStringLiteral("100000"));
    QCOMPARE(window->txtPandI[0]->text(), QStringLiteral("$632.07"));
    TypeInto(window->txtLoanAmount, QStringLiteral("200000"));
    QCOMPARE(window->txtPandI[0]->text(), QStringLiteral("$1,264.14"));

    for (const auto& quote : window->Quotes)
        QCOMPARE(quote->StartingPrinciple().Raw(), Q_INT64_C(2000000000));
    TypeInto(window->txtLoanAmount, QString());
    for (const auto& quote : window->Quotes)
        QCOMPARE(quote->StartingPrinciple().Raw(), Q_INT64_C(0));
    QCOMPARE(window->txtPandI[0]->text(), QString());
}

void TestNewLoan::loanTypeIsKeptAsItsCode_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");

    const QStringList codes = {"M", "A", "B", "C", "H", "D"};
    for (int i = 0; i < EnglishTypes.size(); ++i)
        QTest::newRow(qPrintable(EnglishTypes[i])) << EnglishTypes[i] << codes[i];
}

void TestNewLoan::loanTypeIsKeptAsItsCode()
{
    QFETCH(QString, name);
    QFETCH(QString, code);

    QVERIFY(PickFrom(window->cboLoanType, name));

    QCOMPARE(EntriesOf(window->cboLoanType), EnglishTypes);
    QCOMPARE(window->LoanTypeCode(), code);
    QCOMPARE(window->LoanType(), name);
    QCOMPARE(window->cboLoanType->currentText(), name);
    QVERIFY(window->ScenarioChanged());
}

void TestNewLoan::pickingTheSameTypeChangesNothing()
{
    QVERIFY(PickFrom(window->cboLoanType, QStringLiteral("Boat")));
    window->SetScenarioChanged(false);

    QVERIFY(PickFrom(window->cboLoanType, QStringLiteral("Boat")));
    QVERIFY(!window->ScenarioChanged());

    // The property itself always counts as a change.
    window->SetLoanType(QStringLiteral("Boat"));
    QVERIFY(window->ScenarioChanged());
}

// A list filled when it opens must not take its first name for a choice.
void TestNewLoan::openingTheListChoosesNothing()
{
    QTest::mouseClick(window->cboLoanType, Qt::LeftButton);
    QCOMPARE(window->cboLoanType->count(), EnglishTypes.size());
    window->cboLoanType->hidePopup();
    QTest::keyClick(window->cboLoanType, Qt::Key_Tab);

    QCOMPARE(window->cboLoanType->currentText(), QString());
    QCOMPARE(window->LoanTypeCode(), QString());
    QVERIFY(!window->ScenarioChanged());
}

void TestNewLoan::settingAnUnknownTypeClearsTheList()
{
    QVERIFY(PickFrom(window->cboLoanType, QStringLiteral("College")));
    window->SetScenarioChanged(false);

    window->SetLoanType(QStringLiteral("Yacht"));

    QCOMPARE(window->LoanTypeCode(), QString());
    QCOMPARE(window->cboLoanType->count(), 0);
    QCOMPARE(window->cboLoanType->currentText(), QString());
    QVERIFY(window->ScenarioChanged());
}

void TestNewLoan::theNameIsNoChange()
{
    window->cboLoanName->setFocus();
    QTest::keyClicks(window->cboLoanName, QStringLiteral("Casa"));
    QTest::keyClick(window->cboLoanName, Qt::Key_Tab);

    QCOMPARE(window->LoanName(), QStringLiteral("Casa"));
    QVERIFY(!window->ScenarioChanged());
}

// The calendar is made only when it first pops up from the field's arrow;
// popped up over an empty field it shows this month, and over a date that
// date's month.
void TestNewLoan::emptyFirstPaymentCalendarOpensOnThisMonth()
{
    Clock::Set(QDate(2026, 12, 9));
    const auto resetClock = qScopeGuard([] { Clock::Reset(); });
    QDateEdit* field = window->dtFirstPayment;
    QVERIFY(!field->findChild<QCalendarWidget*>());
    const QPoint arrow(field->width() - 6, field->height() / 2);
    QTest::mouseClick(field, Qt::LeftButton, {}, arrow);
    auto* calendar = field->findChild<QCalendarWidget*>();
    QVERIFY(calendar);
    QTRY_VERIFY(calendar->isVisible());
    QCOMPARE(calendar->yearShown(), 2026);
    QCOMPARE(calendar->monthShown(), 12);
    QTest::keyClick(calendar, Qt::Key_Escape);
    QTRY_VERIFY(!calendar->isVisible());

    field->setDate(QDate(2027, 3, 1));
    QTest::mouseClick(field, Qt::LeftButton, {}, arrow);
    QTRY_VERIFY(calendar->isVisible());
    QCOMPARE(calendar->monthShown(), 3);
    QTest::keyClick(calendar, Qt::Key_Escape);
}

QTEST_MAIN(TestNewLoan)
#include "tst_newloan.moc"
