#include "engine/QuoteCosts.h"

#include "engine/Apr.h"
#include "engine/DayCount.h"
#include "engine/PaymentFrequency.h"

#include <cstddef>
#include <limits>

namespace {

// The months 12 CFR 1026.37(l)(1) counts its "In 5 Years" figures over.
constexpr int ComparisonMonths = 60;

Money AtLeastZero(Money amount)
{
    return amount < Money() ? Money() : amount;
}

} // namespace

QuoteCosts::QuoteCosts(const CLoan& quote, Money propertyValue)
    : m_pointsCost(quote.PointsCost())
    , m_closingCosts(quote.ClosingCosts())
    , m_lenderCredit(quote.LenderCredit())
    , m_schedule(AmortizationSchedule::AtActualPayment(quote))
{
    Money cash;
    if (!quote.FinancePoints())
        cash += m_pointsCost;
    if (!quote.FinanceClosingCosts())
        cash += m_closingCosts;
    m_cashCosts = AtLeastZero(cash - m_lenderCredit);
    const Money principal = quote.StartingPrinciple();
    m_amountFinanced = principal - UpFrontCosts();
    if (propertyValue == Money()) {
        m_rule = InsuranceRule::NoPropertyValue;
    } else if (propertyValue < quote.StartingAmount()) {
        m_rule = InsuranceRule::ValueBelowLoan;
    } else {
        m_rule = InsuranceRule::UntilLtv78;
        m_insuredAbove = Money::FromDouble(propertyValue.ToDouble() * 0.78);
    }
    const PaymentFrequency frequency(quote.FrequencyCode());
    const Money premium = frequency.EscrowShare(quote.MortgageInsurance());
    m_insurance = InsuranceOf(m_schedule, principal, premium);
    const AmortizationSchedule scheduled = AmortizationSchedule::AtScheduledPayment(quote);
    const std::vector<Money> scheduledInsurance = InsuranceOf(scheduled, principal, premium);
    std::vector<double> payments = scheduled.PrincipalAndInterest();
    for (std::size_t k = 0; k < payments.size(); ++k)
        payments[k] += scheduledInsurance[k].ToDouble();
    m_apr = ::AnnualPercentageRate(m_amountFinanced.ToDouble(), payments, frequency.PaymentsPerYear());
    CompareScheduled(scheduled, scheduledInsurance, principal, frequency);
}

Money QuoteCosts::UpFrontCosts() const
{
    return AtLeastZero(AllCosts() - m_lenderCredit);
}

std::vector<Money> QuoteCosts::InsuranceOf(const AmortizationSchedule& schedule, Money startingPrinciple,
                                           Money premium) const
{
    std::vector<Money> insurance(schedule.Payments().size());
    if (premium == Money())
        return insurance;
    Money owed = startingPrinciple;
    for (std::size_t k = 0; k < insurance.size(); ++k) {
        if (!m_insuredAbove || owed > *m_insuredAbove)
            insurance[k] = premium;
        owed = schedule.Payments()[k].Balance;
    }
    return insurance;
}

// Monthly and twice-monthly due dates keep to a day of the month that a
// short month clamps (31 March, 30 April, 30 May, ...), so the 61st monthly
// payment can fall a day before the end of the 60 months; their window holds
// exactly five years of payments. The weekly frequencies step whole days
// and are counted by their dates alone.
void QuoteCosts::CompareScheduled(const AmortizationSchedule& scheduled, const std::vector<Money>& insurance,
                                  Money startingPrinciple, const PaymentFrequency& frequency)
{
    m_tip = std::numeric_limits<double>::quiet_NaN();
    if (!scheduled.PaysOff())
        return;
    m_hasComparisons = true;
    const auto& payments = scheduled.Payments();
    const double end = DayCount::AddMonths(payments.front().DueDate, ComparisonMonths);
    const bool monthBased = frequency.Which() == PaymentFrequency::Kind::Monthly
                            || frequency.Which() == PaymentFrequency::Kind::Bimonthly;
    const std::size_t most = monthBased ? static_cast<std::size_t>(frequency.PaymentsPerYear() * ComparisonMonths / 12)
                                        : payments.size();
    Money paid = AllCosts();
    for (std::size_t k = 0; k < payments.size() && k < most && payments[k].DueDate < end; ++k) {
        paid += payments[k].Principal + payments[k].Interest + insurance[k];
        m_principalInFiveYears += payments[k].Principal;
    }
    m_inFiveYears = paid;
    if (startingPrinciple > Money())
        m_tip = scheduled.Interest().ToDouble() / startingPrinciple.ToDouble() * 100;
}

Money QuoteCosts::CostOver(int months, double start) const
{
    const double end = DayCount::AddMonths(start, months);
    Money insurance;
    const auto& payments = m_schedule.Payments();
    for (std::size_t k = 0; k < payments.size() && payments[k].DueDate < end; ++k)
        insurance += m_insurance[k];
    return UpFrontCosts() + m_schedule.InterestBefore(end) + insurance;
}

Money QuoteCosts::CostOverTerm() const
{
    Money insurance;
    for (const Money premium : m_insurance)
        insurance += premium;
    return UpFrontCosts() + m_schedule.Interest() + insurance;
}
