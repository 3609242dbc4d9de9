#include "engine/QuoteCosts.h"

#include "engine/Apr.h"
#include "engine/DayCount.h"
#include "engine/PaymentFrequency.h"

QuoteCosts::QuoteCosts(const CLoan& quote)
    : m_pointsCost(quote.PointsCost())
    , m_closingCosts(quote.ClosingCosts())
    , m_schedule(AmortizationSchedule::AtActualPayment(quote))
{
    if (!quote.FinancePoints())
        m_cashCosts += m_pointsCost;
    if (!quote.FinanceClosingCosts())
        m_cashCosts += m_closingCosts;
    m_amountFinanced = quote.StartingPrinciple() - AllCosts();
    const AmortizationSchedule scheduled = AmortizationSchedule::AtScheduledPayment(quote);
    m_apr = ::AnnualPercentageRate(m_amountFinanced.ToDouble(), scheduled.PrincipalAndInterest(),
                                   PaymentFrequency(quote.FrequencyCode()).PaymentsPerYear());
}

Money QuoteCosts::CostOver(int months, double today) const
{
    return AllCosts() + m_schedule.InterestBefore(DayCount::AddMonths(today, months));
}
