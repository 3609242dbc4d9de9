// The scenario's edit rules, held by the document without a window: what
// marks a change, what reaches the quotes, and the order views hear of it.

#include "engine/DayCount.h"
#include "langlib/ResourceIds.h"
#include "model/CostsTable.h"
#include "model/LoanDocument.h"

#include <QDate>
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
    void appliedScenarioReportsFailuresAndEmptiesTheRest();
    void clearedScenarioHoldsNothing();
    void loanEstimateValuesAreKeptWhole();
    void quoteEditComputesItsResultsOnce();
    void emptiedActualPaymentKeepsTheResults();
    void costsTableFollowsAnEditAtOnce();
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

// A value that failed to load is reported where it comes and keeps what the
// document held; quotes the scenario does not hold are emptied, even those
// behind no row.
void TestLoanDocument::appliedScenarioReportsFailuresAndEmptiesTheRest()
{
    LoanDocument document(IdAsText, FixedToday);
    document.GrowQuotes(4);
    document.SetLoanTerm(240);
    document.Quotes[3]->SetWho(QStringLiteral("Old lender"));
    LoadedScenario loaded;
    loaded.Data.LoanAmount = Money::FromRaw(2000000000);
    loaded.Data.LoanTerm = 0;
    loaded.Data.Quotes.append({false, 1.0, 360, 0.065, QStringLiteral("M"), Money(), QStringLiteral("Bank")});
    loaded.Errors.append(ScenarioLoadError::TypeMismatch(QStringLiteral("LoanTerm")));
    loaded.Errors.append(ScenarioLoadError::Overflow(QStringLiteral("Loan 1 Points")));
    QStringList heard;
    connect(&document, &LoanDocument::ScenarioApplying, this,
            [&heard](int count) { heard << QStringLiteral("applying %1").arg(count); });
    connect(&document, &LoanDocument::LoadFailed, this, [&heard](const QString&) { heard << QStringLiteral("failed"); });
    connect(&document, &LoanDocument::QuoteApplied, this,
            [&heard](int index) { heard << QStringLiteral("quote %1").arg(index); });
    connect(&document, &LoanDocument::QuoteEmptied, this,
            [&heard](int index) { heard << QStringLiteral("empty %1").arg(index); });
    connect(&document, &LoanDocument::ScenarioApplied, this, [&heard] { heard << QStringLiteral("applied"); });

    document.Apply(loaded);

    QCOMPARE(heard, QStringList({"applying 1", "failed", "failed", "quote 0", "empty 1", "empty 2", "empty 3",
                                 "applied"}));
    QCOMPARE(document.LoanAmount().Raw(), Q_INT64_C(2000000000));
    QCOMPARE(document.LoanTerm(), qint32(240));
    const CLoan& quote = *document.Quotes[0];
    QCOMPARE(quote.Points(), 0.0);
    QCOMPARE(quote.Term(), qint32(360));
    QCOMPARE(quote.StartingPrinciple().Raw(), Q_INT64_C(2000000000));
    QVERIFY(quote.PandI() > Money());
    QVERIFY(document.Quotes[3]->Who().isEmpty());
    QVERIFY(!document.ScenarioChanged());
}

// The next payment falls on the first of the coming month.
void TestLoanDocument::clearedScenarioHoldsNothing()
{
    const double midMonth = DayCount::FromDate(QDate(2026, 12, 9));
    LoanDocument document(IdAsText, [midMonth] { return midMonth; });
    document.GrowQuotes(2);
    document.SetLoanName(QStringLiteral("Casa"));
    document.ChooseLoanType(QStringLiteral("R"));
    document.SetCurrentLoanAmount(Money::FromRaw(1000000000));
    document.Quotes[1]->SetInterestRate(0.05);
    QSignalSpy cleared(&document, &LoanDocument::Cleared);

    document.Clear();

    QCOMPARE(cleared.count(), 1);
    QVERIFY(document.LoanName().isEmpty());
    QVERIFY(document.LoanTypeCode().isEmpty());
    QCOMPARE(document.CurrentLoanAmount(), Money());
    QCOMPARE(document.Quotes[1]->InterestRate(), 0.0);
    QCOMPARE(DayCount::ToDate(document.CurrentNextPayment()), QDate(2027, 1, 1));
    QVERIFY(!document.ScenarioChanged());

    const double first = DayCount::FromDate(QDate(2027, 3, 1));
    LoanDocument onTheFirst(IdAsText, [first] { return first; });
    onTheFirst.SetDefaultNextPayment();
    QCOMPARE(onTheFirst.CurrentNextPayment(), first);
}

// The first payment moves every quote's payoff and has every quote's
// results shown again; every Loan Estimate value goes into a snapshot, a
// save and a load, comes back with Restore and goes with Clear.
void TestLoanDocument::loanEstimateValuesAreKeptWhole()
{
    LoanDocument document(IdAsText, FixedToday);
    document.GrowQuotes(2);
    document.SetLoanAmount(Money::FromDouble(1000));
    CLoan& quote = *document.Quotes[0];
    quote.SetTerm(3);
    quote.SetInterestRate(0.12);
    quote.SetFrequencyCode(QStringLiteral("M"));
    quote.Payment();
    QCOMPARE(document.FirstPaymentDay(), Today);
    const double payoffToday = quote.PayoffDate();

    const LoanDocument::State empty = document.Snapshot();
    QSignalSpy results(&document, &LoanDocument::QuoteResultsChanged);
    QList<Value> changed;
    connect(&document, &LoanDocument::Changed, this, [&changed](Value value) { changed.append(value); });
    document.SetScenarioChanged(false);
    const double later = DayCount::AddMonths(Today, 2);
    document.SetFirstPayment(later);
    QVERIFY(document.ScenarioChanged());
    QCOMPARE(results.count(), 1);
    QVERIFY(changed.contains(Value::FirstPayment));
    QCOMPARE(document.FirstPaymentDay(), later);
    QCOMPARE(quote.PayoffDate(), DayCount::AddMonths(payoffToday, 2));

    document.SetPropertyValue(Money::FromDouble(1500));
    quote.SetLenderCredit(Money::FromDouble(25));
    quote.SetMortgageInsurance(Money::FromDouble(10));
    quote.SetDisclosedApr(0.13);
    const LoanDocument::State filled = document.Snapshot();
    QVERIFY(!LoanDocument::SameValues(filled, empty));
    const ScenarioData saved = document.Collect();
    QCOMPARE(saved.FirstPayment, later);
    QCOMPARE(saved.PropertyValue, Money::FromDouble(1500));
    QCOMPARE(saved.Quotes[0].LenderCredit, Money::FromDouble(25));
    QCOMPARE(saved.Quotes[0].MortgageInsurance, Money::FromDouble(10));
    QCOMPARE(saved.Quotes[0].DisclosedApr, std::optional<double>(0.13));

    document.Restore(empty);
    QCOMPARE(document.FirstPayment(), 0.0);
    QCOMPARE(document.PropertyValue(), Money());
    QCOMPARE(quote.LenderCredit(), Money());
    QVERIFY(!quote.DisclosedApr());
    QCOMPARE(quote.PayoffDate(), payoffToday);
    document.Restore(filled);
    QVERIFY(LoanDocument::SameValues(document.Snapshot(), filled));

    document.Clear();
    QCOMPARE(document.FirstPayment(), 0.0);
    QCOMPARE(document.PropertyValue(), Money());
    QCOMPARE(quote.MortgageInsurance(), Money());

    LoadedScenario loaded;
    loaded.Data = saved;
    document.Apply(loaded);
    QVERIFY(LoanDocument::SameValues(document.Snapshot(), filled));
    QVERIFY(!document.ScenarioChanged());
}

namespace {

// 100,000.00 over 30 years at 6 % paid monthly: 599.55 a month.
void QuoteAtSixPercent(LoanDocument& document, Money actualPayment)
{
    document.GrowQuotes(2);
    document.SetLoanAmount(Money::FromRaw(1000000000));
    document.EditQuote(0, [actualPayment](CLoan& quote) {
        quote.SetTerm(360);
        quote.SetInterestRate(0.06);
        quote.SetFrequencyCode(QStringLiteral("M"));
        quote.SetActualPayment(actualPayment);
    });
}

} // namespace

// The payment raises the smaller actual payment before the payoff pays it;
// the raise is told once, with the results of the edit that made it.
void TestLoanDocument::quoteEditComputesItsResultsOnce()
{
    LoanDocument document(IdAsText, FixedToday);
    QSignalSpy updated(&document, &LoanDocument::QuoteUpdated);
    QuoteAtSixPercent(document, Money::FromRaw(1000000));

    QCOMPARE(updated.count(), 1);
    QCOMPARE(updated.first().first().toInt(), 0);
    const QuoteResults& results = document.Results(0);
    QCOMPARE(results.PandI.Raw(), Q_INT64_C(5995500));
    QCOMPARE(results.Payment.Raw(), Q_INT64_C(5995500));
    QVERIFY(results.Raised);
    QCOMPARE(document.Quotes[0]->ActualPayment().Raw(), Q_INT64_C(5995500));
    QVERIFY(results.PayoffDate > Today + 29 * 365 && results.PayoffDate < Today + 31 * 365);
    QVERIFY(results.Interest > Money::FromRaw(1000000000));
    QVERIFY(document.ScenarioChanged());

    document.RecomputeQuote(0);
    QVERIFY(!document.Results(0).Raised);
    QCOMPARE(document.Results(0).Interest, results.Interest);
    QCOMPARE(document.Results(1).Payment, Money());
}

// As the sheet takes an emptied actual payment field: the payment goes, the
// results stay until the quote is next computed, which raises it again.
void TestLoanDocument::emptiedActualPaymentKeepsTheResults()
{
    LoanDocument document(IdAsText, FixedToday);
    QuoteAtSixPercent(document, Money());
    document.EditQuote(0, [](CLoan& quote) { quote.SetActualPayment(Money::FromRaw(7000000)); });
    const QuoteResults before = document.Results(0);
    QVERIFY(!before.Raised);

    document.EditQuote(0, [](CLoan& quote) { quote.SetActualPayment(Money()); }, LoanDocument::Recompute::Nothing);
    QCOMPARE(document.Quotes[0]->ActualPayment(), Money());
    QCOMPARE(document.Results(0).PayoffDate, before.PayoffDate);
    QCOMPARE(document.Results(0).Interest, before.Interest);

    document.Sort(QuoteOrder::SoonestPayoff, 1);
    QVERIFY(document.Results(0).Raised);
    QCOMPARE(document.Quotes[0]->ActualPayment().Raw(), Q_INT64_C(5995500));
}

// No event loop runs: the table holds the figures of the edit as soon as the
// document signals it, and an edit of one quote changes that row in place.
void TestLoanDocument::costsTableFollowsAnEditAtOnce()
{
    LoanDocument document(IdAsText, FixedToday);
    document.GrowQuotes(2);
    CostsTable costs(document);
    QCOMPARE(costs.rowCount(), 0);
    QuoteAtSixPercent(document, Money::FromRaw(6000000));
    QCOMPARE(costs.rowCount(), 1);

    QSignalSpy reset(&costs, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&costs, &QAbstractItemModel::dataChanged);
    const QModelIndex closing = costs.index(0, CostsTable::ClosingCosts);
    QVERIFY(costs.setData(closing, QStringLiteral("2500")));
    QCOMPARE(reset.count(), 0);
    QVERIFY(changed.count() >= 1);
    QCOMPARE(costs.data(closing, CostsTable::SortRole).toDouble(), 2500.0);
    QCOMPARE(document.Quotes[0]->ClosingCosts().Raw(), Q_INT64_C(25000000));
}

QTEST_GUILESS_MAIN(TestLoanDocument)
#include "tst_loandocument.moc"
