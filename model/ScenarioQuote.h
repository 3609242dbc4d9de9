#pragma once

#include "engine/Money.h"

#include <QString>

#include <optional>

// The stored part of one quote.
struct ScenarioQuote
{
    bool FinancePoints = false;
    // Percent of the loan amount.
    double Points = 0;
    // Months.
    qint32 Term = 0;
    // Annual fraction: 0.065 is 6.5 %.
    double InterestRate = 0;
    QString FrequencyCode;
    Money ActualPayment;
    QString Who;
    Money ClosingCosts;
    bool FinanceClosingCosts = false;
    Money LenderCredit;
    // Monthly premium.
    Money MortgageInsurance;
    // Annual fraction; none when not entered.
    std::optional<double> DisclosedApr;

    // A quote is worth saving once the user has entered something in it; a
    // ticked finance-points box alone is not enough.
    bool HoldsData() const
    {
        return !Who.isEmpty() || ActualPayment.Raw() != 0 || Term != 0 || InterestRate != 0
               || Points != 0 || ClosingCosts.Raw() != 0 || LenderCredit.Raw() != 0
               || MortgageInsurance.Raw() != 0 || DisclosedApr.has_value();
    }

    bool operator==(const ScenarioQuote& other) const
    {
        return FinancePoints == other.FinancePoints && Points == other.Points && Term == other.Term
               && InterestRate == other.InterestRate && FrequencyCode == other.FrequencyCode
               && ActualPayment == other.ActualPayment && Who == other.Who && ClosingCosts == other.ClosingCosts
               && FinanceClosingCosts == other.FinanceClosingCosts && LenderCredit == other.LenderCredit
               && MortgageInsurance == other.MortgageInsurance && DisclosedApr == other.DisclosedApr;
    }
    bool operator!=(const ScenarioQuote& other) const { return !(*this == other); }
};
