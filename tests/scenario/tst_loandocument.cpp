// The scenario's edit rules, held by the document without a window: what
// marks a change, what reaches the quotes, and the order views hear of it.

#include "langlib/ResourceIds.h"
#include "scenario/LoanDocument.h"

#include <QSignalSpy>
#include <QTest>

namespace {

constexpr double Today = 46000;

using Value = LoanDocument::Value;

QString IdAsText(int id)
{
    return QString::number(id);
}

double FixedToday()
{
    return Today;
}

} // namespace

class TestLoanDocument : public QObject
{
    Q_OBJECT

private slots:
    void setterMarksOnlyARealChange();
    void loanAmountReachesEveryQuote();
    void actualPaymentNeverStaysBelowTheScheduledOne();
    void scheduledFrequencyCarriesTheActualOne();
    void paymentNoticeIsAskedForAndRemembered();
};

void TestLoanDocument::setterMarksOnlyARealChange()
{
    LoanDocument document(IdAsText, FixedToday);
    document.SetEscrowTaxes(Money::FromRaw(12000000));
    QVERIFY(document.ScenarioChanged());
    QCOMPARE(document.EscrowMonthly().Raw(), Q_INT64_C(1000000));

    document.SetScenarioChanged(false);
    document.SetEscrowTaxes(Money::FromRaw(12000000));
    document.SetEscrowMonthly(Money::FromRaw(5));
    document.SetLoanName(QStringLiteral("Casa"));
    document.SetCurrentPayoffDate(Today + 30);
    QVERIFY(!document.ScenarioChanged());

    document.ChooseLoanType(QString());
    QVERIFY(document.ScenarioChanged());
}

// Quotes made later, for rows not there yet, start from it as well.
void TestLoanDocument::loanAmountReachesEveryQuote()
{
    LoanDocument document(IdAsText, FixedToday);
    document.GrowQuotes(6);
    QSignalSpy refreshed(&document, &LoanDocument::QuoteResultsChanged);
    document.SetLoanAmount(Money::FromRaw(1000000000));
    document.GrowQuotes(16);

    QCOMPARE(refreshed.count(), 1);
    QCOMPARE(document.Quotes.size(), std::size_t(16));
    QCOMPARE(document.Order().R(15), quint16(15));
    for (const auto& quote : document.Quotes)
        QCOMPARE(quote->StartingPrinciple().Raw(), Q_INT64_C(1000000000));
}

// The raised actual payment is shown before the payoff is recomputed from it.
void TestLoanDocument::actualPaymentNeverStaysBelowTheScheduledOne()
{
    LoanDocument document(IdAsText, FixedToday);
    document.SetCurrentNextPayment(Today);
    document.SetCurrentInterestRate(0.06);
    document.SetCurrentFrequencyCode(QStringLiteral("M"));
    document.SetCurrentBalance(Money::FromRaw(900000000));
    document.SetCurrentActualPayment(Money::FromRaw(4000000));
    QCOMPARE(document.CurrentPayoffDate(), 0.0);
    QCOMPARE(document.CurrentPayoffReason(), qint32(rsReasonNeverPaidOff));
    QList<Value> heard;
    connect(&document, &LoanDocument::Changed, this, [&heard](Value value) { heard << value; });

    document.SetCurrentPayment(Money::FromRaw(8745500));

    QCOMPARE(document.CurrentActualPayment().Raw(), Q_INT64_C(8745500));
    QVERIFY(document.CurrentPayoffDate() > Today);
    QCOMPARE(document.CurrentPayoffReason(), 0);
    QCOMPARE(heard.mid(0, 3), QList<Value>({Value::CurrentPayment, Value::CurrentActualPayment,
                                            Value::CurrentPayoffDate}));

    document.SetCurrentPayment(Money::FromRaw(1000000));
    QCOMPARE(document.CurrentActualPayment().Raw(), Q_INT64_C(8745500));
}

void TestLoanDocument::scheduledFrequencyCarriesTheActualOne()
{
    LoanDocument document(IdAsText, FixedToday);
    document.SetCurrentFrequencyCode(QStringLiteral("W"));
    QCOMPARE(document.CurrentActualFrequencyCode(), QStringLiteral("W"));
    QVERIFY(document.ScenarioChanged());

    document.SetCurrentActualFrequencyCode(QStringLiteral("Q"));
    document.SetScenarioChanged(false);
    document.SetCurrentFrequencyCode(QStringLiteral("W"));
    QCOMPARE(document.CurrentActualFrequencyCode(), QStringLiteral("Q"));
    QVERIFY(!document.ScenarioChanged());

    document.SetCurrentFrequencyCodes(QStringLiteral("M"), QString());
    QCOMPARE(document.CurrentFrequencyCode(), QStringLiteral("M"));
    QVERIFY(!document.ScenarioChanged());
}

void TestLoanDocument::paymentNoticeIsAskedForAndRemembered()
{
    LoanDocument document(IdAsText, FixedToday);
    QSignalSpy asked(&document, &LoanDocument::PaymentNoticeRequested);
    document.ShowPaymentNotice();
    QCOMPARE(asked.count(), 1);
    QVERIFY(document.PaymentNoticeShown());
    QCOMPARE(document.LoadResString(rsActualLessThanCalculated), QString::number(rsActualLessThanCalculated));
    document.ForgetPaymentNotice();
    QVERIFY(!document.PaymentNoticeShown());
}

QTEST_GUILESS_MAIN(TestLoanDocument)
#include "tst_loandocument.moc"
