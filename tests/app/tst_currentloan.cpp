// The current-loan section driven through its fields: the scheduled payment,
// the highlight of missing inputs, the two frequency lists and the payoff
// paid forward from the next due date.

#include "tests/app/WindowTest.h"
#include "FreshStart.h"
#include "UserInput.h"

#include "app/Language.h"
#include "app/Loan.h"
#include "app/MessageBox.h"
#include "engine/DayCount.h"
#include "model/FieldFormat.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <optional>

namespace {

const QColor Pink(255, 208, 215);

QColor Background(const QWidget* field)
{
    return field->palette().color(QPalette::Base);
}

QColor NormalBackground(const QWidget* field)
{
    return QApplication::palette(field).color(QPalette::Base);
}

// Types month, day and year into the picker's sections; each full section
// moves on to the next by itself.
void TypeDate(QDateEdit* picker, const QDate& date)
{
    QTest::mouseClick(picker, Qt::LeftButton);
    picker->setSelectedSection(QDateTimeEdit::MonthSection);
    QTest::keyClicks(picker, date.toString(QStringLiteral("MMddyyyy")));
    QTest::keyClick(picker, Qt::Key_Tab);
}

} // namespace

class TestCurrentLoan : public WindowTest
{
    Q_OBJECT

private slots:
    void scheduledPayment_data();
    void scheduledPayment();
    void smallerActualPaymentIsRaised();
    void missingInputsAreHighlighted();
    void scheduledFrequencyCarriesTheActualOne();
    void payoffFromTheNextDueDate_data();
    void payoffFromTheNextDueDate();
    void noBalanceOrPaymentShowsNoPayoff_data();
    void noBalanceOrPaymentShowsNoPayoff();
    void paymentThatNeverPaysOffShowsNothing();
    void figuresBeyondMoneyShowNothing();

private:
    void EnterScheduledLoan();

};

// 100,000.00 over 30 years at 6 %, with 275.00 of monthly escrow.
void TestCurrentLoan::EnterScheduledLoan()
{
    TypeInto(window->txtAnnualTaxes, QStringLiteral("2400"));
    TypeInto(window->txtAnnualInsurance, QStringLiteral("900"));
    TypeInto(window->txtCurLoanAmount, QStringLiteral("100000"));
    TypeInto(window->txtCurLoanTerm, QStringLiteral("30"));
    TypeInto(window->txtCurInterestRate, QStringLiteral("6"));
}

void TestCurrentLoan::scheduledPayment_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("pandI");
    QTest::addColumn<QString>("payment");

    QTest::newRow("Monthly") << "Monthly" << "$599.55" << "$874.55";
    // The whole monthly escrow, although a quote would add half of it.
    QTest::newRow("Biweekly") << "Biweekly" << "$276.58" << "$551.58";
}

void TestCurrentLoan::scheduledPayment()
{
    QFETCH(QString, frequency);
    QFETCH(QString, pandI);
    QFETCH(QString, payment);

    EnterScheduledLoan();
    QVERIFY(PickFrom(window->cboCurPaymentFrequency, frequency));

    QCOMPARE(FieldFormat::Currency(window->CurrentPandI()), pandI);
    QCOMPARE(window->txtCurPayment->text(), payment);
    QCOMPARE(window->CurrentFrequency(), frequency);
    QCOMPARE(window->cboActPaymentFrequency->currentText(), frequency);
    QVERIFY(MessageBox::Recorded().isEmpty());
}

void TestCurrentLoan::smallerActualPaymentIsRaised()
{
    TypeInto(window->txtCurActualPayment, QStringLiteral("800"));
    QCOMPARE(window->txtCurActualPayment->text(), QStringLiteral("$800.00"));

    EnterScheduledLoan();

    QCOMPARE(window->CurrentActualPayment().Raw(), Q_INT64_C(8745500));
    QCOMPARE(window->txtCurActualPayment->text(), QStringLiteral("$874.55"));
}

void TestCurrentLoan::missingInputsAreHighlighted()
{
    TypeInto(window->txtCurLoanAmount, QStringLiteral("100000"));

    QCOMPARE(Background(window->txtCurLoanAmount), NormalBackground(window->txtCurLoanAmount));
    QCOMPARE(Background(window->txtCurLoanTerm), Pink);
    QCOMPARE(Background(window->txtCurInterestRate), Pink);
    QCOMPARE(window->cboCurPaymentFrequency->currentText(), QStringLiteral("Monthly"));
    QCOMPARE(window->cboActPaymentFrequency->currentText(), QStringLiteral("Monthly"));
    QCOMPARE(window->txtCurPayment->text(), QString());

    TypeInto(window->txtCurLoanTerm, QStringLiteral("30"));
    QCOMPARE(Background(window->txtCurLoanTerm), NormalBackground(window->txtCurLoanTerm));
    QCOMPARE(Background(window->txtCurInterestRate), Pink);
    TypeInto(window->txtCurInterestRate, QStringLiteral("6"));
    QCOMPARE(Background(window->txtCurInterestRate), NormalBackground(window->txtCurInterestRate));
    QCOMPARE(window->txtCurPayment->text(), QStringLiteral("$599.55"));

    // A missing input leaves the last payment standing.
    TypeInto(window->txtCurLoanAmount, QString());
    QCOMPARE(Background(window->txtCurLoanAmount), Pink);
    QCOMPARE(window->txtCurPayment->text(), QStringLiteral("$599.55"));

    // Nothing entered at all is nothing missing.
    TypeInto(window->txtCurLoanTerm, QString());
    TypeInto(window->txtCurInterestRate, QString());
    for (QWidget* input : {window->txtCurLoanAmount, window->txtCurLoanTerm, window->txtCurInterestRate})
        QCOMPARE(Background(input), NormalBackground(input));
}

void TestCurrentLoan::scheduledFrequencyCarriesTheActualOne()
{
    QVERIFY(PickFrom(window->cboCurPaymentFrequency, QStringLiteral("Biweekly")));
    QCOMPARE(window->CurrentActualFrequency(), QStringLiteral("Biweekly"));
    QCOMPARE(window->cboActPaymentFrequency->currentText(), QStringLiteral("Biweekly"));
    QVERIFY(window->ScenarioChanged());

    QVERIFY(PickFrom(window->cboActPaymentFrequency, QStringLiteral("Quadweekly")));
    QCOMPARE(window->CurrentActualFrequencyCode(), QStringLiteral("Q"));
    QCOMPARE(window->CurrentFrequencyCode(), QStringLiteral("W"));
    QCOMPARE(window->cboCurPaymentFrequency->currentText(), QStringLiteral("Biweekly"));
    QCOMPARE(EntriesOf(window->cboActPaymentFrequency),
             QStringList({"Monthly", "Bimonthly", "Biweekly", "Quadweekly"}));
}

void TestCurrentLoan::payoffFromTheNextDueDate_data()
{
    QTest::addColumn<QString>("taxes");
    QTest::addColumn<QDate>("payoff");
    QTest::addColumn<qint64>("amountLeft");
    QTest::addColumn<qint64>("interestLeft");
    QTest::addColumn<QString>("amountShown");

    // Interest 10.0000, 6.6998, 3.3666 and 0.0001; the fourth payment takes
    // the 0.0064 left.
    QTest::newRow("no escrow") << "" << QDate(2026, 6, 30) << Q_INT64_C(10200665) << Q_INT64_C(200665)
                               << "$1,020.07";
    // 100.00 of each payment is escrow: five payments, 500.00 of escrow.
    QTest::newRow("escrow 100.00") << "1200" << QDate(2026, 7, 30) << Q_INT64_C(15267669)
                                   << Q_INT64_C(267669) << "$1,526.77";
}

void TestCurrentLoan::payoffFromTheNextDueDate()
{
    QFETCH(QString, taxes);
    QFETCH(QDate, payoff);
    QFETCH(qint64, amountLeft);
    QFETCH(qint64, interestLeft);
    QFETCH(QString, amountShown);

    TypeInto(window->txtAnnualTaxes, taxes);
    TypeDate(window->dtNextPayment, QDate(2026, 3, 31));
    QCOMPARE(window->CurrentNextPayment(), DayCount::FromDate(QDate(2026, 3, 31)));
    TypeInto(window->txtCurInterestRate, QStringLiteral("12"));
    TypeInto(window->txtCurActualPayment, QStringLiteral("340.02"));
    TypeInto(window->txtCurrentBalance, QStringLiteral("1000"));

    QCOMPARE(window->CurrentActualFrequency(), QStringLiteral("Monthly"));
    QCOMPARE(window->CurrentPayoffDate(), DayCount::FromDate(payoff));
    QCOMPARE(window->txtCurPayoffDate->text(), QLocale().toString(payoff, QStringLiteral("M/d/yyyy")));
    QCOMPARE(window->CurrentAmountLeft().Raw(), amountLeft);
    QCOMPARE(window->CurrentInterestLeft().Raw(), interestLeft);
    QCOMPARE(window->txtCurAmountLeft->text(), amountShown);

    // A later due date moves the payoff with it.
    TypeDate(window->dtNextPayment, QDate(2026, 4, 30));
    QCOMPARE(window->CurrentPayoffDate(), DayCount::FromDate(payoff.addMonths(1)));
}

void TestCurrentLoan::noBalanceOrPaymentShowsNoPayoff_data()
{
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("payment");

    QTest::newRow("no balance") << "" << "340.02";
    QTest::newRow("no payment") << "1000" << "";
}

void TestCurrentLoan::noBalanceOrPaymentShowsNoPayoff()
{
    QFETCH(QString, balance);
    QFETCH(QString, payment);
    TypeInto(window->txtCurInterestRate, QStringLiteral("12"));
    TypeInto(window->txtCurActualPayment, QStringLiteral("340.02"));
    TypeInto(window->txtCurrentBalance, QStringLiteral("1000"));
    QVERIFY(!window->txtCurPayoffDate->text().isEmpty());

    TypeInto(window->txtCurrentBalance, balance);
    TypeInto(window->txtCurActualPayment, payment);
    // Clearing a value leaves the results as they were until a setter that
    // computes the payoff runs again, here the rate's.
    TypeInto(window->txtCurInterestRate, QStringLiteral("12.5"));

    QCOMPARE(window->txtCurPayoffDate->text(), QString());
    QCOMPARE(window->txtCurAmountLeft->text(), QString());
    QCOMPARE(window->txtCurInterestLeft->text(), QString());
}

// The balance grows: 1,000.00 of interest a month against a payment of
// 500.00. The program must neither hang nor show a date.
void TestCurrentLoan::paymentThatNeverPaysOffShowsNothing()
{
    TypeInto(window->txtCurInterestRate, QStringLiteral("12"));
    TypeInto(window->txtCurrentBalance, QStringLiteral("100000"));
    TypeInto(window->txtCurActualPayment, QStringLiteral("500"));

    QCOMPARE(window->CurrentPayoffDate(), 0.0);
    QCOMPARE(window->txtCurPayoffDate->text(), QString());
    QCOMPARE(window->txtCurAmountLeft->text(), QString());
    QCOMPARE(window->txtCurInterestLeft->text(), QString());
    QVERIFY(MessageBox::Recorded().isEmpty());
}

void TestCurrentLoan::figuresBeyondMoneyShowNothing()
{
    // A payment of more than the whole range of money.
    TypeInto(window->txtCurLoanAmount, QStringLiteral("900000000000000"));
    TypeInto(window->txtCurLoanTerm, QStringLiteral("1"));
    TypeInto(window->txtCurInterestRate, QStringLiteral("100000"));
    QCOMPARE(window->txtCurPayment->text(), QString());

    // A month's interest beyond it.
    TypeInto(window->txtCurrentBalance, QStringLiteral("900000000000000"));
    TypeInto(window->txtCurActualPayment, QStringLiteral("1"));
    TypeInto(window->txtCurInterestRate, QStringLiteral("100000"));
    QCOMPARE(window->txtCurPayoffDate->text(), QString());
    QCOMPARE(window->txtCurAmountLeft->text(), QString());

    // Yearly escrow beyond it.
    TypeInto(window->txtAnnualTaxes, QStringLiteral("900000000000000"));
    TypeInto(window->txtAnnualInsurance, QStringLiteral("900000000000000"));
    QCOMPARE(window->txtMonthlyEscrow->text(), QString());
    QVERIFY(window->isVisible());
}

QTEST_MAIN(TestCurrentLoan)
#include "tst_currentloan.moc"
