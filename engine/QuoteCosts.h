#pragma once

#include "engine/AmortizationSchedule.h"
#include "engine/CLoan.h"
#include "engine/Money.h"
#include "engine/PaymentFrequency.h"

#include <optional>
#include <vector>

// What a quote really costs: its points and closing costs, financed or paid
// in cash, less the lender's credit, the mortgage insurance its payments
// carry, the rate they make of it, and its payments one by one. Computed
// once when made; throws MoneyOverflow when a figure leaves the range of
// money.
//
// Mortgage insurance: each payment carries the quote's monthly premium as
// it carries escrow (whole for monthly and four-weekly payments, half for
// twice-monthly and biweekly ones) while the balance owed before it is above
// 78 % of the property value, the point at which the Homeowners Protection
// Act ends borrower-paid insurance. Without a property value, or with one
// below the loan amount, every payment carries it.
class QuoteCosts
{
public:
    // Why the insurance runs for every payment, when it does.
    enum class InsuranceRule { UntilLtv78, NoPropertyValue, ValueBelowLoan };

    explicit QuoteCosts(const CLoan& quote, Money propertyValue = Money());

    Money PointsCost() const { return m_pointsCost; }
    Money ClosingCosts() const { return m_closingCosts; }
    Money AllCosts() const { return m_pointsCost + m_closingCosts; }
    Money LenderCredit() const { return m_lenderCredit; }
    // The points and closing costs less the lender credit, never below 0.
    Money UpFrontCosts() const;
    // The lender credit is more than every point and closing cost.
    bool CreditExceedsCosts() const { return m_lenderCredit > AllCosts(); }
    // What the borrower pays at closing: the costs that are not financed,
    // less the lender credit, never below 0.
    Money CashCosts() const { return m_cashCosts; }
    // The amount borrowed less every point and closing cost, each a prepaid
    // finance charge, that the lender credit does not pay for.
    Money AmountFinanced() const { return m_amountFinanced; }
    // The annual percentage rate of the scheduled payments with their
    // mortgage insurance, a fraction; NaN when there are none or no rate
    // gives the amount financed.
    double AnnualPercentageRate() const { return m_apr; }
    // Paid at the actual payment, as the sheet pays it.
    const AmortizationSchedule& Schedule() const { return m_schedule; }
    // The mortgage insurance of each payment of Schedule.
    const std::vector<Money>& Insurance() const { return m_insurance; }
    InsuranceRule Rule() const { return m_rule; }
    // All points and closing costs less the credit, and the interest and
    // mortgage insurance of the payments due before `months` months after
    // `start`.
    Money CostOver(int months, double start) const;
    // The same over every payment.
    Money CostOverTerm() const;

    // The Loan Estimate's comparisons, over the payments at the scheduled
    // payment due in the first 60 months from the first payment: principal,
    // interest, mortgage insurance and the points and closing costs (the
    // credit does not reduce them); and principal alone. None when the
    // scheduled payment never pays the loan off.
    bool HasComparisons() const { return m_hasComparisons; }
    Money InFiveYears() const { return m_inFiveYears; }
    Money PrincipalInFiveYears() const { return m_principalInFiveYears; }
    // Total interest at the scheduled payment as a percentage of the amount
    // borrowed; NaN when there is none.
    double TotalInterestPercentage() const { return m_tip; }

private:
    std::vector<Money> InsuranceOf(const AmortizationSchedule& schedule, Money startingPrinciple,
                                   Money premium) const;
    void CompareScheduled(const AmortizationSchedule& scheduled, const std::vector<Money>& insurance,
                          Money startingPrinciple, const PaymentFrequency& frequency);

    Money m_pointsCost;
    Money m_closingCosts;
    Money m_lenderCredit;
    Money m_cashCosts;
    Money m_amountFinanced;
    // The balance above which a payment carries the insurance; none when
    // every payment does.
    std::optional<Money> m_insuredAbove;
    InsuranceRule m_rule = InsuranceRule::NoPropertyValue;
    double m_apr = 0;
    AmortizationSchedule m_schedule;
    std::vector<Money> m_insurance;
    bool m_hasComparisons = false;
    Money m_inFiveYears;
    Money m_principalInFiveYears;
    double m_tip = 0;
};
