#include "FakeLoanHost.h"
#include "MoneyToString.h"

#include "engine/AmortizationSchedule.h"
#include "engine/Apr.h"
#include "engine/CLoan.h"
#include "engine/DayCount.h"
#include "engine/QuoteCosts.h"
#include "engine/RefinanceBreakEven.h"

#include <QTest>

#include <cmath>

namespace {

Money Amount(double value)
{
    return Money::FromDouble(value);
}

double Day(int year, int month, int day)
{
    return DayCount::FromDate(QDate(year, month, day));
}

// The level payment, not rounded, that pays `amount` off in `count` periods
// at the unit-period rate.
double LevelPayment(double amount, double periodRate, int count)
{
    return amount * periodRate / (1 - std::pow(1 + periodRate, -count));
}

// What the payments are worth at an annual rate, less the amount.
double Residual(double amount, const std::vector<double>& payments, double apr, int perYear)
{
    double value = -amount;
    for (std::size_t k = 0; k < payments.size(); ++k)
        value += payments[k] / std::pow(1 + apr / perYear, static_cast<double>(k + 1));
    return value;
}

struct HandPayment
{
    double date;
    double principal;
    double interest;
};

// A paid-off schedule of hand-made payments.
AmortizationSchedule HandSchedule(Money balance, const std::vector<HandPayment>& payments)
{
    return AmortizationSchedule([&](const PayoffSimulation::Recorder& record) {
        int number = 0;
        for (const HandPayment& p : payments) {
            balance -= Amount(p.principal);
            record({++number, p.date, Amount(p.interest), Amount(p.principal), Money(), balance});
        }
        // A run that pays off, so the payments above count as complete.
        return std::optional<PayoffSimulation>(std::in_place, Amount(1), 0.01, PaymentFrequency(QStringLiteral("M")),
                                               Amount(2), Money(), payments.front().date);
    });
}

} // namespace

class TestCosts : public QObject
{
    Q_OBJECT

private slots:
    void aprOfLevelPaymentsIsTheNoteRate_data();
    void aprOfLevelPaymentsIsTheNoteRate();
    void aprSolvesTheGeneralEquation();
    void aprHasNoUpperCap();
    void aprWithoutASolution();
    void aprOfTwoPaymentsByTheQuadratic();
    void aprOfTheRegulationsWorkedExamples_data();
    void aprOfTheRegulationsWorkedExamples();
    void scheduleMatchesThePayoff_data();
    void scheduleMatchesThePayoff();
    void scheduleOfANeverPaidLoanIsEmpty();
    void costsAndAmountFinanced();
    void closingCostsAboveTheLoanGiveNoApr();
    void costOverAHorizon();
    void breakEvenMonth();
    void breakEvenNever();
    void simplePayback();
};

void TestCosts::aprOfLevelPaymentsIsTheNoteRate_data()
{
    QTest::addColumn<int>("perYear");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("rate");
    QTest::newRow("monthly 30 years") << 12 << 360 << 0.06;
    QTest::newRow("twice monthly") << 24 << 720 << 0.065;
    QTest::newRow("biweekly") << 26 << 780 << 0.0525;
    QTest::newRow("four-weekly") << 13 << 195 << 0.0875;
    QTest::newRow("one payment a month, short") << 12 << 3 << 0.12;
}

void TestCosts::aprOfLevelPaymentsIsTheNoteRate()
{
    QFETCH(int, perYear);
    QFETCH(int, count);
    QFETCH(double, rate);
    const std::vector<double> payments(static_cast<std::size_t>(count),
                                       LevelPayment(100000, rate / perYear, count));
    QVERIFY(std::fabs(AnnualPercentageRate(100000, payments, perYear) - rate) < 1e-10);
}

void TestCosts::aprSolvesTheGeneralEquation()
{
    // Uneven payments: a larger last one, a skipped period paid as zero.
    const std::vector<double> payments{120, 0, 260.5, 90.25, 410};
    const double apr = AnnualPercentageRate(800, payments, 12);
    QVERIFY(apr > 0);
    QVERIFY(std::fabs(Residual(800, payments, apr, 12)) < 1e-8);
    // Payments summing to the amount cost nothing.
    QCOMPARE(AnnualPercentageRate(880.75, payments, 12), 0.0);
}

void TestCosts::aprHasNoUpperCap()
{
    // 100 lent, 1,000 paid back a month later: 900 % a month.
    QVERIFY(std::fabs(AnnualPercentageRate(100, {1000}, 12) - 108) < 1e-10);
    // One year, one payment, yearly unit-period: plain 10 %.
    QVERIFY(std::fabs(AnnualPercentageRate(1000, {1100}, 1) - 0.1) < 1e-10);
}

void TestCosts::aprWithoutASolution()
{
    QVERIFY(std::isnan(AnnualPercentageRate(1000, {}, 12)));
    QVERIFY(std::isnan(AnnualPercentageRate(1000, {300, 300, 300}, 12)));
    QVERIFY(std::isnan(AnnualPercentageRate(0, {300}, 12)));
    QVERIFY(std::isnan(AnnualPercentageRate(-500, {300}, 12)));
}

// Two payments of 510 for 1,000: with x = 1 / (1 + i) the equation is the
// quadratic 510 x^2 + 510 x - 1000 = 0.
void TestCosts::aprOfTwoPaymentsByTheQuadratic()
{
    const double x = (-510 + std::sqrt(510.0 * 510 + 4 * 510 * 1000)) / (2 * 510);
    const double expected = (1 / x - 1) * 26;
    QVERIFY(std::fabs(AnnualPercentageRate(1000, {510, 510}, 26) - expected) < 1e-10);
}

// The monthly examples of the regulation's appendix with a regular first
// period, the only ones whose timing the program's loans share: $5,000
// advanced one month before the first of 24 payments. Their rates are
// published to two decimals.
void TestCosts::aprOfTheRegulationsWorkedExamples_data()
{
    QTest::addColumn<std::vector<double>>("payments");
    QTest::addColumn<double>("percent");
    const auto series = [](double first, double regular, double last) {
        std::vector<double> payments(24, regular);
        payments.front() = first;
        payments.back() = last;
        return payments;
    };
    QTest::newRow("24 level payments of 230") << series(230, 230, 230) << 9.69;
    QTest::newRow("first payment 250") << series(250, 230, 230) << 10.08;
    QTest::newRow("final payment 280") << series(230, 230, 280) << 10.50;
    QTest::newRow("first 250 and final 280") << series(250, 230, 280) << 10.90;
}

void TestCosts::aprOfTheRegulationsWorkedExamples()
{
    QFETCH(std::vector<double>, payments);
    QFETCH(double, percent);
    QCOMPARE(std::round(AnnualPercentageRate(5000, payments, 12) * 10000) / 100, percent);
}

void TestCosts::scheduleMatchesThePayoff_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<qint32>("term");
    QTest::addColumn<double>("payment");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QList<double>>("interest");
    QTest::addColumn<QList<QDate>>("dates");
    QTest::newRow("monthly, a tiny last payment")
        << "M" << 3 << 340.02 << QDate(2026, 3, 31) << QList<double>{10.0, 6.6998, 3.3666, 0.0001}
        << QList<QDate>{{2026, 3, 31}, {2026, 4, 30}, {2026, 5, 30}, {2026, 6, 30}};
    QTest::newRow("twice monthly")
        << "B" << 0 << 400.0 << QDate(2026, 1, 31) << QList<double>{5.0, 3.025, 1.0401}
        << QList<QDate>{{2026, 1, 31}, {2026, 2, 14}, {2026, 2, 28}};
}

void TestCosts::scheduleMatchesThePayoff()
{
    QFETCH(QString, code);
    QFETCH(qint32, term);
    QFETCH(double, payment);
    QFETCH(QDate, today);
    QFETCH(QList<double>, interest);
    QFETCH(QList<QDate>, dates);
    FakeLoanHost host;
    host.loanAmount = Amount(1000);
    host.today = today;
    CLoan quote(host);
    quote.SetTerm(term);
    quote.SetInterestRate(0.12);
    quote.SetFrequencyCode(code);
    quote.SetActualPayment(Amount(payment));
    const AmortizationSchedule schedule = AmortizationSchedule::AtActualPayment(quote);
    const double payoff = quote.PayoffDate();
    QCOMPARE(static_cast<int>(schedule.Payments().size()), interest.size());
    for (int k = 0; k < interest.size(); ++k) {
        const auto& row = schedule.Payments()[static_cast<std::size_t>(k)];
        QCOMPARE(row.Number, k + 1);
        QCOMPARE(row.Interest, Amount(interest[k]));
        QCOMPARE(DayCount::ToDate(row.DueDate), dates[k]);
    }
    QCOMPARE(schedule.Payments().back().Balance, Money());
    QCOMPARE(schedule.Interest(), quote.Interest());
    QCOMPARE(schedule.PayoffDate(), payoff);
}

void TestCosts::scheduleOfANeverPaidLoanIsEmpty()
{
    FakeLoanHost host;
    CLoan quote(host);
    QVERIFY(!AmortizationSchedule::AtActualPayment(quote).HasInputs());
    // No term, so no payment raises the actual one: 100 never covers the
    // interest of 100,000 at 6 %.
    quote.SetFrequencyCode(QStringLiteral("M"));
    quote.SetInterestRate(0.06);
    quote.SetTerm(0);
    quote.SetActualPayment(Amount(100));
    const AmortizationSchedule schedule = AmortizationSchedule::AtActualPayment(quote);
    QVERIFY(schedule.HasInputs() && !schedule.PaysOff());
    QVERIFY(schedule.Payments().empty());
    QCOMPARE(schedule.PayoffDate(), 0.0);
}

void TestCosts::costsAndAmountFinanced()
{
    FakeLoanHost host;
    CLoan quote(host);
    quote.SetInterestRate(0.06);
    quote.SetFrequencyCode(QStringLiteral("M"));
    quote.SetPoints(1.5);
    quote.SetFinancePoints(true);
    quote.SetClosingCosts(Amount(2000));
    const QuoteCosts cashClosing(quote);
    QCOMPARE(cashClosing.PointsCost(), Amount(1500));
    QCOMPARE(cashClosing.CashCosts(), Amount(2000));
    QCOMPARE(cashClosing.AmountFinanced(), Amount(98000));

    quote.SetFinanceClosingCosts(true);
    QCOMPARE(quote.StartingPrinciple(), Amount(103500));
    const QuoteCosts allFinanced(quote);
    QCOMPARE(allFinanced.CashCosts(), Money());
    QCOMPARE(allFinanced.AmountFinanced(), Amount(100000));
    // 3.5 % of costs on a thirty-year loan is worth about a third of a
    // point a year, paid in cash or financed.
    QVERIFY(cashClosing.AnnualPercentageRate() > 0.063 && cashClosing.AnnualPercentageRate() < 0.064);
    QVERIFY(allFinanced.AnnualPercentageRate() > 0.063 && allFinanced.AnnualPercentageRate() < 0.064);

    quote.SetPoints(0);
    quote.SetClosingCosts(Money());
    const QuoteCosts none(quote);
    // Only the cent rounding of the payment separates it from the note rate.
    QVERIFY(std::fabs(none.AnnualPercentageRate() - 0.06) < 1e-5);
}

void TestCosts::closingCostsAboveTheLoanGiveNoApr()
{
    FakeLoanHost host;
    CLoan quote(host);
    quote.SetInterestRate(0.06);
    quote.SetFrequencyCode(QStringLiteral("M"));
    quote.SetClosingCosts(Amount(150000));
    const QuoteCosts costs(quote);
    QVERIFY(costs.AmountFinanced() < Money());
    QVERIFY(std::isnan(costs.AnnualPercentageRate()));

    // Nor without a scheduled payment: a quote with no term.
    CLoan noTerm(host);
    noTerm.SetFrequencyCode(QStringLiteral("M"));
    noTerm.SetActualPayment(Amount(900));
    noTerm.SetInterestRate(0.06);
    noTerm.SetTerm(0);
    QVERIFY(std::isnan(QuoteCosts(noTerm).AnnualPercentageRate()));
}

void TestCosts::costOverAHorizon()
{
    FakeLoanHost host;
    host.loanAmount = Amount(1000);
    host.today = QDate(2026, 3, 31);
    CLoan quote(host);
    quote.SetTerm(3);
    quote.SetInterestRate(0.12);
    quote.SetFrequencyCode(QStringLiteral("M"));
    quote.SetPoints(2);
    quote.SetClosingCosts(Amount(50));
    quote.Payment();
    const QuoteCosts costs(quote);
    const double today = host.Today();
    QCOMPARE(costs.CostOver(0, today), Amount(70));
    QCOMPARE(costs.CostOver(1200, today), Amount(70 + 20.0665));
    // One month counts the payment of 31 March only, two those to 30 May.
    QCOMPARE(costs.CostOver(1, today), Amount(80));
    QCOMPARE(costs.CostOver(2, today), Amount(70 + 10 + 6.6998 + 3.3666));
    // A year holds all four payments.
    QCOMPARE(costs.CostOver(12, today), Amount(70 + 20.0665));
}

// Worked by hand. The current loan owes 1,000 and pays 250 of principal and
// 10 of interest on the 15th of January to April; the quote lends the same
// 1,000, costs 30 in cash and pays 200 and 2 of interest on the 1st of
// January to May. Month m ends on 1 January plus m months. The switch is
// ahead by 10 for each current payment made less 30 less 2 for each quote
// payment made: month 3 (to 1 April) has 3 and 3 payments, -6; month 4 has 4
// and 4, +2.
void TestCosts::breakEvenMonth()
{
    const double today = Day(2026, 1, 1);
    const AmortizationSchedule current = HandSchedule(Amount(1000), {{Day(2026, 1, 15), 250, 10},
                                                                     {Day(2026, 2, 15), 250, 10},
                                                                     {Day(2026, 3, 15), 250, 10},
                                                                     {Day(2026, 4, 15), 250, 10}});
    const std::vector<HandPayment> quotePayments{{Day(2026, 1, 1), 200, 2},
                                                 {Day(2026, 2, 1), 200, 2},
                                                 {Day(2026, 3, 1), 200, 2},
                                                 {Day(2026, 4, 1), 200, 2},
                                                 {Day(2026, 5, 1), 200, 2}};
    const AmortizationSchedule quote = HandSchedule(Amount(1000), quotePayments);
    QCOMPARE(RefinanceBreakEven::Month({&current, Amount(1000)}, {&quote, Amount(1000)}, Amount(1000), Amount(30),
                                       today),
             std::optional<int>(4));
    QCOMPARE(DayCount::ToDate(RefinanceBreakEven::MonthEnd(today, 4)), QDate(2026, 5, 1));

    // Taking 100 more cash out on the same terms changes nothing.
    const AmortizationSchedule larger = HandSchedule(Amount(1100), quotePayments);
    QCOMPARE(RefinanceBreakEven::Month({&current, Amount(1000)}, {&larger, Amount(1100)}, Amount(1100), Amount(30),
                                       today),
             std::optional<int>(4));
    // Nothing to pay back: ahead from the first month.
    QCOMPARE(RefinanceBreakEven::Month({&current, Amount(1000)}, {&quote, Amount(1000)}, Amount(1000), Money(),
                                       today),
             std::optional<int>(1));
}

void TestCosts::breakEvenNever()
{
    const double today = Day(2026, 1, 1);
    const AmortizationSchedule current = HandSchedule(Amount(500), {{Day(2026, 1, 15), 500, 10}});
    const AmortizationSchedule quote = HandSchedule(Amount(500), {{Day(2026, 1, 1), 250, 2}, {Day(2026, 2, 1), 250, 1}});
    // 10 saved against 3 of interest and 100 of costs.
    QCOMPARE(RefinanceBreakEven::Month({&current, Amount(500)}, {&quote, Amount(500)}, Amount(500), Amount(100), today),
             std::optional<int>());
    const AmortizationSchedule unpaid;
    QCOMPARE(RefinanceBreakEven::Month({&unpaid, Amount(500)}, {&quote, Amount(500)}, Amount(500), Money(), today),
             std::optional<int>());
}

void TestCosts::simplePayback()
{
    const PaymentFrequency monthly(QStringLiteral("M"));
    const PaymentFrequency biweekly(QStringLiteral("W"));
    const auto months = RefinanceBreakEven::SimplePaybackMonths(Amount(3000), Amount(1264.14), monthly,
                                                                Amount(1186.19), monthly);
    QVERIFY(months && std::fabs(*months - 3000 / 77.95) < 1e-9);
    // 500 every two weeks is 1,083.33 a month: 116.67 saved on 1,200.
    const auto weekly = RefinanceBreakEven::SimplePaybackMonths(Amount(1400), Amount(1200), monthly, Amount(500),
                                                                biweekly);
    QVERIFY(weekly && std::fabs(*weekly - 12) < 1e-9);
    QVERIFY(!RefinanceBreakEven::SimplePaybackMonths(Amount(1400), Amount(1000), monthly, Amount(500), biweekly));
    QVERIFY(!RefinanceBreakEven::SimplePaybackMonths(Amount(1400), Money(), monthly, Amount(500), biweekly));
}

QTEST_GUILESS_MAIN(TestCosts)
#include "tst_costs.moc"
