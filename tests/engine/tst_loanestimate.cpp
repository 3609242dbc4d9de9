// The figures a Loan Estimate states, worked by hand or with the program's
// own money rounding written out: mortgage insurance that ends at 78 % of
// the property value, a biweekly quote, a lender credit above the costs and
// a first payment two months ahead.

#include "FakeLoanHost.h"
#include "MoneyToString.h"

#include "engine/AmortizationSchedule.h"
#include "engine/CLoan.h"
#include "engine/DayCount.h"
#include "engine/QuoteCosts.h"
#include "engine/RefinanceBreakEven.h"

#include <QTest>

#include <algorithm>
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

// What the payments are worth at an annual rate, less the amount.
double Residual(double amount, const std::vector<double>& payments, double apr, int perYear)
{
    double value = -amount;
    for (std::size_t k = 0; k < payments.size(); ++k)
        value += payments[k] / std::pow(1 + apr / perYear, static_cast<double>(k + 1));
    return value;
}

// 200,000 at 6 % over 30 years, monthly: 1,199.10 of principal and
// interest, paid at exactly that.
void ThirtyYears(CLoan& quote)
{
    quote.SetTerm(360);
    quote.SetInterestRate(0.06);
    quote.SetFrequencyCode(QStringLiteral("M"));
    quote.Payment();
}

} // namespace

class TestLoanEstimate : public QObject
{
    Q_OBJECT

private slots:
    void emptyInputsChangeNothing();
    void insuranceEndsAt78PercentOfTheValue();
    void insuranceWithoutAUsableValueRunsToTheEnd();
    void biweeklyPaymentsCarryHalfThePremium();
    void creditLargerThanTheCosts();
    void firstPaymentTwoMonthsAheadMovesEveryDate();
    void breakEvenCountsTheInsurance();
};

// A quote without any Loan Estimate input gives the figures it gave before.
void TestLoanEstimate::emptyInputsChangeNothing()
{
    FakeLoanHost host;
    host.loanAmount = Amount(200000);
    CLoan quote(host);
    ThirtyYears(quote);
    quote.SetClosingCosts(Amount(3000));
    const QuoteCosts costs(quote);
    QCOMPARE(costs.AmountFinanced(), Amount(197000));
    QCOMPARE(costs.CashCosts(), Amount(3000));
    QCOMPARE(costs.UpFrontCosts(), Amount(3000));
    QVERIFY(std::all_of(costs.Insurance().cbegin(), costs.Insurance().cend(), [](Money m) { return m == Money(); }));
    const AmortizationSchedule scheduled = AmortizationSchedule::AtScheduledPayment(quote);
    QVERIFY(std::fabs(Residual(197000, scheduled.PrincipalAndInterest(), costs.AnnualPercentageRate(), 12)) < 1e-6);
    QCOMPARE(costs.CostOverTerm(), Amount(3000) + scheduled.Interest());
    QCOMPARE(DayCount::ToDate(scheduled.Payments().front().DueDate), host.today);
}

// 78 % of 250,000 is 195,000: the balance owed before each of the first 24
// payments is above it (about 200 of principal a month), before the 25th
// it is not. In 5 years: 60 payments of 1,199.10, 24 premiums of 100 and
// the 3,000 of closing costs. TIP: the schedule's interest, 231,677.0601,
// on 200,000.
void TestLoanEstimate::insuranceEndsAt78PercentOfTheValue()
{
    FakeLoanHost host;
    host.loanAmount = Amount(200000);
    CLoan quote(host);
    ThirtyYears(quote);
    QCOMPARE(quote.PandI(), Amount(1199.10));
    quote.SetClosingCosts(Amount(3000));
    quote.SetMortgageInsurance(Amount(100));
    const QuoteCosts costs(quote, Amount(250000));
    QCOMPARE(costs.Rule(), QuoteCosts::InsuranceRule::UntilLtv78);
    const auto& insurance = costs.Insurance();
    QCOMPARE(insurance.size(), std::size_t(361));
    QCOMPARE(insurance[0], Amount(100));
    QCOMPARE(insurance[23], Amount(100));
    QCOMPARE(insurance[24], Money());
    QCOMPARE(std::count(insurance.cbegin(), insurance.cend(), Amount(100)), 24);
    QCOMPARE(costs.Schedule().Payments()[23].Balance + costs.Schedule().Payments()[23].Principal > Amount(195000),
             true);
    QVERIFY(costs.Schedule().Payments()[23].Balance <= Amount(195000));

    QVERIFY(costs.HasComparisons());
    QCOMPARE(costs.InFiveYears(), Amount(60 * 1199.10 + 24 * 100 + 3000));
    QCOMPARE(costs.PrincipalInFiveYears(), Amount(13891.2134));
    QVERIFY(std::fabs(costs.TotalInterestPercentage() - 231677.0601 / 200000 * 100) < 1e-9);

    // The APR of 197,000 against the payments with their premiums, solved
    // apart by bisection: 6.24996 %.
    QVERIFY(std::fabs(costs.AnnualPercentageRate() - 0.0624996225) < 1e-8);
    std::vector<double> payments = AmortizationSchedule::AtScheduledPayment(quote).PrincipalAndInterest();
    for (std::size_t k = 0; k < 24; ++k)
        payments[k] += 100;
    QVERIFY(std::fabs(Residual(197000, payments, costs.AnnualPercentageRate(), 12)) < 1e-6);
    QCOMPARE(costs.CostOverTerm(), Amount(3000 + 231677.0601 + 2400));
    // The horizon counts by due dates: from 31 March the payments keep to
    // the 30th, so thirteen fall before 31 March of the next year.
    QCOMPARE(costs.CostOver(12, host.Today()), Amount(3000 + 1300) + costs.Schedule().InterestBefore(Day(2027, 3, 31)));
}

void TestLoanEstimate::insuranceWithoutAUsableValueRunsToTheEnd()
{
    FakeLoanHost host;
    host.loanAmount = Amount(200000);
    CLoan quote(host);
    ThirtyYears(quote);
    quote.SetMortgageInsurance(Amount(100));
    const QuoteCosts noValue(quote);
    QCOMPARE(noValue.Rule(), QuoteCosts::InsuranceRule::NoPropertyValue);
    QCOMPARE(std::count(noValue.Insurance().cbegin(), noValue.Insurance().cend(), Amount(100)), 361);
    const QuoteCosts below(quote, Amount(150000));
    QCOMPARE(below.Rule(), QuoteCosts::InsuranceRule::ValueBelowLoan);
    QCOMPARE(std::count(below.Insurance().cbegin(), below.Insurance().cend(), Amount(100)), 361);
    QCOMPARE(below.InFiveYears(), Amount(60 * 1199.10 + 60 * 100));
}

// 26 payments a year of half the monthly premium; the APR's unit-period is
// the two weeks. 12,000 over a year at 6 %: all 26 payments fall in the
// first five years.
void TestLoanEstimate::biweeklyPaymentsCarryHalfThePremium()
{
    FakeLoanHost host;
    host.loanAmount = Amount(12000);
    CLoan quote(host);
    quote.SetTerm(12);
    quote.SetInterestRate(0.06);
    quote.SetFrequencyCode(QStringLiteral("W"));
    quote.Payment();
    quote.SetMortgageInsurance(Amount(40));
    const QuoteCosts costs(quote);
    const AmortizationSchedule scheduled = AmortizationSchedule::AtScheduledPayment(quote);
    const std::size_t count = scheduled.Payments().size();
    QVERIFY(count >= 26 && count <= 27);
    QCOMPARE(std::count(costs.Insurance().cbegin(), costs.Insurance().cend(), Amount(20)),
             static_cast<std::ptrdiff_t>(costs.Insurance().size()));
    QCOMPARE(costs.InFiveYears(), Amount(12000) + scheduled.Interest() + Amount(20.0 * static_cast<double>(count)));
    QCOMPARE(costs.PrincipalInFiveYears(), Amount(12000));
    std::vector<double> payments = scheduled.PrincipalAndInterest();
    for (double& payment : payments)
        payment += 20;
    QVERIFY(std::fabs(Residual(12000, payments, costs.AnnualPercentageRate(), 26)) < 1e-6);
    // Half of 40 a payment, 26 a year, is more than 40 a month: the rate
    // rises more than 12 x 40 on 12,000 would lift it.
    QVERIFY(costs.AnnualPercentageRate() > 0.06 + 0.04);
}

// A credit of 5,000 against 2,000 of points and 1,500 of closing costs:
// nothing is paid up front and the whole amount is financed, so the APR is
// the note rate but for the cent rounding; the Loan Estimate's In 5 Years
// still counts the loan costs.
void TestLoanEstimate::creditLargerThanTheCosts()
{
    FakeLoanHost host;
    host.loanAmount = Amount(200000);
    CLoan quote(host);
    ThirtyYears(quote);
    quote.SetPoints(1);
    quote.SetClosingCosts(Amount(1500));
    quote.SetLenderCredit(Amount(5000));
    const QuoteCosts costs(quote);
    QVERIFY(costs.CreditExceedsCosts());
    QCOMPARE(costs.UpFrontCosts(), Money());
    QCOMPARE(costs.CashCosts(), Money());
    QCOMPARE(costs.AmountFinanced(), Amount(200000));
    QVERIFY(std::fabs(costs.AnnualPercentageRate() - 0.06) < 1e-5);
    QCOMPARE(costs.InFiveYears(), Amount(60 * 1199.10 + 3500));
    QCOMPARE(costs.CostOver(0, host.Today()), Money());

    // A credit below the costs takes off what it covers, and only that.
    quote.SetLenderCredit(Amount(1000));
    const QuoteCosts part(quote);
    QVERIFY(!part.CreditExceedsCosts());
    QCOMPARE(part.UpFrontCosts(), Amount(2500));
    QCOMPARE(part.CashCosts(), Amount(2500));
    QCOMPARE(part.AmountFinanced(), Amount(197500));
    // Financed points are no cash, and the credit does not go below it.
    quote.SetFinancePoints(true);
    QCOMPARE(QuoteCosts(quote).CashCosts(), Amount(500));
}

// Due 15 March instead of 15 January: every due date two months later, the
// figures the same.
void TestLoanEstimate::firstPaymentTwoMonthsAheadMovesEveryDate()
{
    FakeLoanHost host;
    host.loanAmount = Amount(1000);
    host.today = QDate(2026, 1, 15);
    CLoan quote(host);
    quote.SetTerm(3);
    quote.SetInterestRate(0.12);
    quote.SetFrequencyCode(QStringLiteral("M"));
    quote.Payment();
    const AmortizationSchedule now = AmortizationSchedule::AtActualPayment(quote);
    const double payoffNow = quote.PayoffDate();
    host.firstPayment = QDate(2026, 3, 15);
    const AmortizationSchedule later = AmortizationSchedule::AtActualPayment(quote);
    QCOMPARE(later.Payments().size(), now.Payments().size());
    const QList<QDate> dates{{2026, 3, 15}, {2026, 4, 15}, {2026, 5, 15}, {2026, 6, 15}};
    for (std::size_t k = 0; k < later.Payments().size(); ++k) {
        QCOMPARE(DayCount::ToDate(later.Payments()[k].DueDate), dates[static_cast<qsizetype>(k)]);
        QCOMPARE(DayCount::ToDate(later.Payments()[k].DueDate),
                 DayCount::ToDate(now.Payments()[k].DueDate).addMonths(2));
        QCOMPARE(later.Payments()[k].Interest, now.Payments()[k].Interest);
    }
    QCOMPARE(DayCount::ToDate(quote.PayoffDate()), DayCount::ToDate(payoffNow).addMonths(2));
    // The horizon counts from the first payment: one month holds one.
    const QuoteCosts costs(quote);
    QCOMPARE(costs.CostOver(1, host.FirstPaymentDay()), Amount(10));
    QCOMPARE(costs.CostOver(1, host.Today()), Money());
}

// The hand-worked break-even of the costs test, 4 months, with insurance of
// 1 on the quote's first two payments: still ahead by 0 at month 4; on its
// first three, behind for good.
void TestLoanEstimate::breakEvenCountsTheInsurance()
{
    const auto hand = [](Money balance, const std::vector<std::pair<double, double>>& payments, double interest) {
        return AmortizationSchedule([=](const PayoffSimulation::Recorder& record) mutable {
            int number = 0;
            for (const auto& [date, principal] : payments) {
                balance -= Amount(principal);
                record({++number, date, Amount(interest), Amount(principal), Money(), balance});
            }
            return std::optional<PayoffSimulation>(std::in_place, Amount(1), 0.01,
                                                   PaymentFrequency(QStringLiteral("M")), Amount(2), Money(),
                                                   payments.front().first);
        });
    };
    const AmortizationSchedule current = hand(Amount(1000),
                                              {{Day(2026, 1, 15), 250}, {Day(2026, 2, 15), 250},
                                               {Day(2026, 3, 15), 250}, {Day(2026, 4, 15), 250}},
                                              10);
    const AmortizationSchedule quote = hand(Amount(1000),
                                            {{Day(2026, 1, 1), 200}, {Day(2026, 2, 1), 200}, {Day(2026, 3, 1), 200},
                                             {Day(2026, 4, 1), 200}, {Day(2026, 5, 1), 200}},
                                            2);
    const std::vector<Money> two{Amount(1), Amount(1), Money(), Money(), Money()};
    const std::vector<Money> three{Amount(1), Amount(1), Amount(1), Money(), Money()};
    const double today = Day(2026, 1, 1);
    QCOMPARE(RefinanceBreakEven::Month({&current, Amount(1000)}, {&quote, Amount(1000), &two}, Amount(1000),
                                       Amount(30), today),
             std::optional<int>(4));
    QCOMPARE(RefinanceBreakEven::Month({&current, Amount(1000)}, {&quote, Amount(1000), &three}, Amount(1000),
                                       Amount(30), today),
             std::optional<int>());
}

QTEST_GUILESS_MAIN(TestLoanEstimate)
#include "tst_loanestimate.moc"
