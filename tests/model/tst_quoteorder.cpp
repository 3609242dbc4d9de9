#include "model/QuoteOrder.h"

#include "engine/DayCount.h"
#include "tests/engine/FakeLoanHost.h"
#include "tests/engine/MoneyToString.h"

#include <QSet>
#include <QTest>

namespace {

enum Sort { ByPayoff, ByInterest };

Money Amount(double value)
{
    return Money::FromDouble(value);
}

} // namespace

Q_DECLARE_METATYPE(Sort)

// Every quote borrows 1,000.00 with no default term, so a quote gets a payoff
// date only from the actual payment it is given, at 12 % paid monthly.
class TestQuoteOrder : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void payoffSortPutsDataWithoutDateBelowDates();
    void equalKeysKeepNaturalOrder_data();
    void equalKeysKeepNaturalOrder();
    void emptyQuotesSortBelowLenderOnly_data();
    void emptyQuotesSortBelowLenderOnly();
    void withoutResultsDataComesFirst_data();
    void withoutResultsDataComesFirst();
    void hasData_data();
    void hasData();
    void interestSortUsesTheLastComputedInterest();
    void quoteBeyondMoneySortsAsNoDate();
    void appendedRowsStayOneToOne();
    void loadingReturnsToNaturalOrder();

private:
    // Extends the quote list, and the orders with it, as the window does.
    void GrowQuotes(int count);
    CLoan& Quote(int index) { return *m_quotes[static_cast<std::size_t>(index)]; }
    void Pay(int index, double payment);
    // What the window's refresh of every row leaves behind: fresh interest.
    void RefreshAll();
    void RunSort(Sort sort, int lastRow);
    QList<int> Rows(int lastRow) const;

    FakeLoanHost m_host;
    QuoteOrder::Quotes m_quotes;
    QuoteOrder m_order;
};

void TestQuoteOrder::init()
{
    m_host = FakeLoanHost();
    m_host.loanAmount = Amount(1000);
    m_host.loanTerm = 0;
    m_order = QuoteOrder();
    m_quotes.clear();
    GrowQuotes(6);
}

void TestQuoteOrder::GrowQuotes(int count)
{
    for (int i = static_cast<int>(m_quotes.size()); i < count; ++i)
        m_quotes.push_back(std::make_unique<CLoan>(m_host));
    m_order.Grow(m_quotes.size());
}

void TestQuoteOrder::Pay(int index, double payment)
{
    Quote(index).SetInterestRate(0.12);
    Quote(index).SetFrequencyCode(QStringLiteral("M"));
    Quote(index).SetActualPayment(Amount(payment));
}

void TestQuoteOrder::RefreshAll()
{
    for (const auto& quote : m_quotes)
        quote->PayoffDate();
}

void TestQuoteOrder::RunSort(Sort sort, int lastRow)
{
    if (sort == ByPayoff) {
        m_order.SortByPayoff(m_quotes, lastRow);
    } else {
        RefreshAll();
        m_order.SortByInterest(m_quotes, lastRow);
    }
}

QList<int> TestQuoteOrder::Rows(int lastRow) const
{
    QList<int> indexes;
    for (int row = 0; row <= lastRow; ++row)
        indexes.append(m_order.R(static_cast<quint16>(row)));
    return indexes;
}

void TestQuoteOrder::payoffSortPutsDataWithoutDateBelowDates()
{
    Pay(0, 200);
    Quote(1).SetTerm(360);
    Pay(2, 500);
    m_order.SortByPayoff(m_quotes, 2);

    QCOMPARE(m_order.SortMode(), qint32(QuoteOrder::SoonestPayoff));
    QCOMPARE(Rows(2), QList<int>({2, 0, 1}));
    const auto& order = m_order.PayoffOrder();
    QCOMPARE(DayCount::ToDate(order[0].key), QDate(2026, 5, 30));
    QCOMPARE(DayCount::ToDate(order[1].key), QDate(2026, 8, 30));
    QCOMPARE(order[2].key, QuoteOrder::NoDateWithData);
}

void TestQuoteOrder::equalKeysKeepNaturalOrder_data()
{
    QTest::addColumn<Sort>("sort");
    QTest::newRow("payoff") << ByPayoff;
    QTest::newRow("interest") << ByInterest;
}

void TestQuoteOrder::equalKeysKeepNaturalOrder()
{
    QFETCH(Sort, sort);
    Pay(0, 340.02);
    Pay(1, 500);
    Pay(2, 340.02);
    Pay(3, 200);
    Pay(4, 340.02);
    RunSort(sort, 4);
    QCOMPARE(Rows(4), QList<int>({1, 0, 2, 4, 3}));
}

void TestQuoteOrder::emptyQuotesSortBelowLenderOnly_data()
{
    equalKeysKeepNaturalOrder_data();
}

void TestQuoteOrder::emptyQuotesSortBelowLenderOnly()
{
    QFETCH(Sort, sort);
    Quote(1).SetWho(QStringLiteral("First Harbour Bank\nAsk for Ms. Okafor"));
    Pay(2, 340.02);
    RunSort(sort, 3);

    QCOMPARE(Rows(3), QList<int>({2, 1, 0, 3}));
    if (sort == ByPayoff) {
        QCOMPARE(m_order.PayoffOrder()[1].key, QuoteOrder::NoDateWithData);
        QCOMPARE(m_order.PayoffOrder()[3].key, QuoteOrder::NoDateNoData);
    } else {
        QCOMPARE(m_order.InterestOrder()[0].key, Amount(20.0665));
        QCOMPARE(m_order.InterestOrder()[1].key, Amount(999999998));
        QCOMPARE(m_order.InterestOrder()[3].key, Amount(999999999));
    }
}

void TestQuoteOrder::withoutResultsDataComesFirst_data()
{
    equalKeysKeepNaturalOrder_data();
}

void TestQuoteOrder::withoutResultsDataComesFirst()
{
    QFETCH(Sort, sort);
    Quote(1).SetPoints(1.5);
    Quote(3).SetTerm(180);
    Quote(4).SetFrequencyCode(QStringLiteral("W"));
    RunSort(sort, 5);
    QCOMPARE(Rows(5), QList<int>({1, 3, 0, 2, 4, 5}));
}

void TestQuoteOrder::hasData_data()
{
    QTest::addColumn<int>("filled");
    QTest::addColumn<bool>("expected");
    QTest::newRow("nothing") << 0 << false;
    QTest::newRow("points") << 1 << true;
    QTest::newRow("term") << 2 << true;
    QTest::newRow("actual payment") << 3 << true;
    QTest::newRow("lender") << 4 << true;
    QTest::newRow("interest") << 5 << true;
    QTest::newRow("rate only") << 6 << false;
    QTest::newRow("frequency only") << 7 << false;
    QTest::newRow("finance points only") << 8 << false;
}

void TestQuoteOrder::hasData()
{
    QFETCH(int, filled);
    QFETCH(bool, expected);
    CLoan& quote = Quote(0);
    switch (filled) {
    case 1: quote.SetPoints(0.5); break;
    case 2: quote.SetTerm(12); break;
    case 3: quote.SetActualPayment(Amount(10)); break;
    case 4: quote.SetWho(QStringLiteral(" ")); break;
    case 5:
        Pay(0, 340.02);
        quote.PayoffDate();
        quote.SetActualPayment(Money());
        break;
    case 6: quote.SetInterestRate(0.05); break;
    case 7: quote.SetFrequencyCode(QStringLiteral("B")); break;
    case 8: quote.SetFinancePoints(true); break;
    }
    QCOMPARE(QuoteOrder::HasData(quote), expected);
}

void TestQuoteOrder::interestSortUsesTheLastComputedInterest()
{
    Pay(0, 500);
    Pay(1, 200);
    RefreshAll();
    Quote(0).SetActualPayment(Amount(100));

    m_order.SortByInterest(m_quotes, 1);
    QCOMPARE(m_order.SortMode(), qint32(QuoteOrder::LeastInterest));
    QCOMPARE(Rows(1), QList<int>({0, 1}));

    // The payoff sort simulates afresh, which brings the interest up to date.
    m_order.SortByPayoff(m_quotes, 1);
    m_order.SortByInterest(m_quotes, 1);
    QCOMPARE(Rows(1), QList<int>({1, 0}));
}

void TestQuoteOrder::quoteBeyondMoneySortsAsNoDate()
{
    Pay(0, 340.02);
    Pay(1, 340.02);
    Quote(1).SetStartingAmount(Amount(900000000000000.0));
    Quote(1).SetFinancePoints(true);
    Quote(1).SetPoints(50);
    m_order.SortByPayoff(m_quotes, 2);
    QCOMPARE(Rows(2), QList<int>({0, 1, 2}));
    QCOMPARE(m_order.PayoffOrder()[1].key, QuoteOrder::NoDateWithData);
}

void TestQuoteOrder::appendedRowsStayOneToOne()
{
    Pay(0, 200);
    Pay(1, 250);
    Pay(2, 300);
    Pay(3, 500);
    // Quote 5 would sort first but its row is not loaded yet.
    Pay(5, 900);
    m_order.SortByPayoff(m_quotes, 3);
    QCOMPARE(Rows(5), QList<int>({3, 2, 1, 0, 4, 5}));

    // The quote list grows by a block while the sort is active.
    GrowQuotes(16);
    const QList<int> rows = Rows(15);
    QCOMPARE(QSet<int>(rows.begin(), rows.end()).size(), 16);
    QCOMPARE(rows.mid(4), QList<int>({4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
}

void TestQuoteOrder::loadingReturnsToNaturalOrder()
{
    Pay(0, 200);
    Pay(1, 500);
    Pay(2, 300);
    Pay(3, 250);
    Pay(4, 340.02);
    m_order.SortByPayoff(m_quotes, 4);
    const QList<int> byPayoff = Rows(4);
    QCOMPARE(byPayoff, QList<int>({1, 2, 4, 3, 0}));
    Quote(0).SetActualPayment(Amount(1000));
    RefreshAll();
    m_order.SortByInterest(m_quotes, 4);
    QCOMPARE(Rows(4), QList<int>({0, 1, 4, 2, 3}));

    // Each sort rebuilds only its own order.
    for (int row = 0; row <= 4; ++row)
        QCOMPARE(m_order.PayoffOrder()[static_cast<std::size_t>(row)].index, byPayoff[row]);

    m_order.ResetToNatural();
    QCOMPARE(m_order.SortMode(), qint32(QuoteOrder::NaturalOrder));
    QCOMPARE(Rows(5), QList<int>({0, 1, 2, 3, 4, 5}));
}

QTEST_GUILESS_MAIN(TestQuoteOrder)
#include "tst_quoteorder.moc"
