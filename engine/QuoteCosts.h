#pragma once

#include "engine/AmortizationSchedule.h"
#include "engine/CLoan.h"
#include "engine/Money.h"

// What a quote really costs: its points and closing costs, financed or paid
// in cash, the rate they make of it, and its payments one by one. Computed
// once when made; throws MoneyOverflow when a figure leaves the range of
// money.
class QuoteCosts
{
public:
    explicit QuoteCosts(const CLoan& quote);

    Money PointsCost() const { return m_pointsCost; }
    Money ClosingCosts() const { return m_closingCosts; }
    Money AllCosts() const { return m_pointsCost + m_closingCosts; }
    // What the borrower pays at closing: the costs that are not financed.
    Money CashCosts() const { return m_cashCosts; }
    // The amount borrowed less every point and closing cost, each a prepaid
    // finance charge.
    Money AmountFinanced() const { return m_amountFinanced; }
    // The annual percentage rate of the scheduled payments, a fraction; NaN
    // when there are none or no rate gives the amount financed.
    double AnnualPercentageRate() const { return m_apr; }
    // Paid at the actual payment, as the sheet pays it.
    const AmortizationSchedule& Schedule() const { return m_schedule; }
    // All points and closing costs and the interest of the payments due in
    // the first `months` months from today.
    Money CostOver(int months, double today) const;

private:
    Money m_pointsCost;
    Money m_closingCosts;
    Money m_cashCosts;
    Money m_amountFinanced;
    double m_apr = 0;
    AmortizationSchedule m_schedule;
};
