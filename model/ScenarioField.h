#pragma once

#include <QString>

// The values of a scenario that loading converts, named so the window can ask
// whether one of them failed.
enum class ScenarioField {
    LoanType,
    LoanAmount,
    LoanTerm,
    EscrowTaxes,
    EscrowInsurance,
    CurrentLoanAmount,
    CurrentTerm,
    CurrentInterestRate,
    CurrentBalance,
    CurrentActualFrequency,
    CurrentFrequency,
    CurrentNextPayment,
    CurrentPayment,
    CurrentActualPayment,
    FirstPayment,
    PropertyValue,
};

enum class QuoteField {
    FinancePoints,
    Points,
    Term,
    InterestRate,
    Frequency,
    ActualPayment,
    Who,
    ClosingCosts,
    FinanceClosingCosts,
    LenderCredit,
    MortgageInsurance,
    DisclosedApr,
};

// The registry value names of a scenario key.
namespace ScenarioValueName {

inline const QString LoanName = QStringLiteral("LoanName");
inline const QString LoanCount = QStringLiteral("LoanCount");

QString Of(ScenarioField field);
// Quote number n counts the saved quotes from 1: "Loan", a blank, n, and the
// suffix, which begins with a blank ("Loan 1 Points").
QString Of(int number, QuoteField field);

} // namespace ScenarioValueName
