#include "model/QuoteOrder.h"

#include "engine/DayCount.h"
#include "model/LoanDocument.h"
#include "tests/engine/MoneyToString.h"

#include <QSet>
#include <QTest>

#include <functional>
#include <memory>

namespace {

enum Sort { ByPayoff, ByInterest };

Money Amount(double value)
{
    return Money::FromDouble(value);
}

QString NoText(int)
{
    return QString();
}

double Today()
{
    return DayCount::FromDate(QDate(2026, 3, 31));
}

} // namespace

Q_DECLARE_METATYPE(Sort)

// The rows' order as the document sorts it by the results it keeps. Every
// quote borrows 1,000.00 with no default term, so a quote gets a payoff date
// only from the actual payment it is given, at 12 % paid monthly.
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
    void GrowQuotes(int count) { m_document->GrowQuotes(static_cast<std::size_t>(count)); }
    void Edit(int index, const std::function<void(CLoan&)>& edit,
              LoanDocument::Recompute what = LoanDocument::Recompute::Everything)
    {
        m_document->EditQuote(index, edit, what);
    }
    void Pay(int index, double payment);
    void RunSort(Sort sort, int lastRow);
    const QuoteOrder& Order() const { return m_document->Order(); }
    QList<int> Rows(int lastRow) const;

    std::unique_ptr<LoanDocument> m_document;
};

void TestQuoteOrder::init()
{
    m_document = std::make_unique<LoanDocument>(NoText, Today);
    GrowQuotes(6);
    m_document->SetLoanAmount(Amount(1000));
}

void TestQuoteOrder::Pay(int index, double payment)
{
    Edit(index, [payment](CLoan& quote) {
        quote.SetInterestRate(0.12);
        quote.SetFrequencyCode(QStringLiteral("M"));
        quote.SetActualPayment(Amount(payment));
    });
}

void TestQuoteOrder::RunSort(Sort sort, int lastRow)
{
    m_document->Sort(sort == ByPayoff ? QuoteOrder::SoonestPayoff : QuoteOrder::LeastInterest, lastRow);
}

QList<int> TestQuoteOrder::Rows(int lastRow) const
{
    QList<int> indexes;
    for (int row = 0; row <= lastRow; ++row)
        indexes.append(Order().R(static_cast<quint16>(row)));
    return indexes;
}

void TestQuoteOrder::payoffSortPutsDataWithoutDateBelowDates()
{
    Pay(0, 200);
    Edit(1, [](CLoan& quote) { quote.SetTerm(360); });
    Pay(2, 500);
    RunSort(ByPayoff, 2);

    QCOMPARE(Order().SortMode(), qint32(QuoteOrder::SoonestPayoff));
    QCOMPARE(Rows(2), QList<int>({2, 0, 1}));
    const auto& order = Order().PayoffOrder();
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
    Edit(1, [](CLoan& quote) { quote.SetWho(QStringLiteral("First Harbour Bank\nAsk for Ms. Okafor")); });
    Pay(2, 340.02);
    RunSort(sort, 3);

    QCOMPARE(Rows(3), QList<int>({2, 1, 0, 3}));
    if (sort == ByPayoff) {
        QCOMPARE(Order().PayoffOrder()[1].key, QuoteOrder::NoDateWithData);
        QCOMPARE(Order().PayoffOrder()[3].key, QuoteOrder::NoDateNoData);
    } else {
        QCOMPARE(Order().InterestOrder()[0].key, Amount(20.0665));
        QCOMPARE(Order().InterestOrder()[1].key, Amount(999999998));
        QCOMPARE(Order().InterestOrder()[3].key, Amount(999999999));
    }
}

void TestQuoteOrder::withoutResultsDataComesFirst_data()
{
    equalKeysKeepNaturalOrder_data();
}

void TestQuoteOrder::withoutResultsDataComesFirst()
{
    QFETCH(Sort, sort);
    Edit(1, [](CLoan& quote) { quote.SetPoints(1.5); });
    Edit(3, [](CLoan& quote) { quote.SetTerm(180); });
    Edit(4, [](CLoan& quote) { quote.SetFrequencyCode(QStringLiteral("W")); });
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
    Edit(0, [filled](CLoan& quote) {
        switch (filled) {
        case 1: quote.SetPoints(0.5); break;
        case 2: quote.SetTerm(12); break;
        case 3: quote.SetActualPayment(Amount(10)); break;
        case 4: quote.SetWho(QStringLiteral(" ")); break;
        case 6: quote.SetInterestRate(0.05); break;
        case 7: quote.SetFrequencyCode(QStringLiteral("B")); break;
        case 8: quote.SetFinancePoints(true); break;
        }
    });
    if (filled == 5) {
        // The emptied actual payment leaves the interest computed before.
        Pay(0, 340.02);
        Edit(0, [](CLoan& quote) { quote.SetActualPayment(Money()); }, LoanDocument::Recompute::Nothing);
    }
    QCOMPARE(QuoteOrder::HasData(*m_document->Quotes[0], m_document->Results(0)), expected);
}

void TestQuoteOrder::interestSortUsesTheLastComputedInterest()
{
    Pay(0, 500);
    Pay(1, 200);
    // An emptied actual payment leaves the results as they were.
    Edit(0, [](CLoan& quote) { quote.SetActualPayment(Money()); }, LoanDocument::Recompute::Nothing);

    RunSort(ByInterest, 1);
    QCOMPARE(Order().SortMode(), qint32(QuoteOrder::LeastInterest));
    QCOMPARE(Rows(1), QList<int>({0, 1}));

    // The payoff sort simulates afresh, which brings the interest up to date:
    // quote 0 has none left.
    RunSort(ByPayoff, 1);
    RunSort(ByInterest, 1);
    QCOMPARE(Rows(1), QList<int>({1, 0}));
}

void TestQuoteOrder::quoteBeyondMoneySortsAsNoDate()
{
    Pay(0, 340.02);
    Pay(1, 340.02);
    Edit(1, [](CLoan& quote) {
        quote.SetStartingAmount(Amount(900000000000000.0));
        quote.SetFinancePoints(true);
        quote.SetPoints(50);
    });
    RunSort(ByPayoff, 2);
    QCOMPARE(Rows(2), QList<int>({0, 1, 2}));
    QCOMPARE(Order().PayoffOrder()[1].key, QuoteOrder::NoDateWithData);
}

void TestQuoteOrder::appendedRowsStayOneToOne()
{
    Pay(0, 200);
    Pay(1, 250);
    Pay(2, 300);
    Pay(3, 500);
    // Quote 5 would sort first but its row is not loaded yet.
    Pay(5, 900);
    RunSort(ByPayoff, 3);
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
    RunSort(ByPayoff, 4);
    const QList<int> byPayoff = Rows(4);
    QCOMPARE(byPayoff, QList<int>({1, 2, 4, 3, 0}));
    Edit(0, [](CLoan& quote) { quote.SetActualPayment(Amount(1000)); });
    RunSort(ByInterest, 4);
    QCOMPARE(Rows(4), QList<int>({0, 1, 4, 2, 3}));

    // Each sort rebuilds only its own order.
    for (int row = 0; row <= 4; ++row)
        QCOMPARE(Order().PayoffOrder()[static_cast<std::size_t>(row)].index, byPayoff[row]);

    m_document->Sort(QuoteOrder::NaturalOrder, 4);
    QCOMPARE(Order().SortMode(), qint32(QuoteOrder::NaturalOrder));
    QCOMPARE(Rows(5), QList<int>({0, 1, 2, 3, 4, 5}));
}

QTEST_GUILESS_MAIN(TestQuoteOrder)
#include "tst_quoteorder.moc"
