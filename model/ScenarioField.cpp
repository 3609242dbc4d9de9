#include "model/ScenarioField.h"

namespace ScenarioValueName {

QString Of(ScenarioField field)
{
    switch (field) {
    case ScenarioField::LoanType: return QStringLiteral("LoanType");
    case ScenarioField::LoanAmount: return QStringLiteral("LoanAmount");
    case ScenarioField::LoanTerm: return QStringLiteral("LoanTerm");
    case ScenarioField::EscrowTaxes: return QStringLiteral("EscrowTaxes");
    case ScenarioField::EscrowInsurance: return QStringLiteral("EscrowInsurance");
    case ScenarioField::CurrentLoanAmount: return QStringLiteral("CurrentLoanAmount");
    case ScenarioField::CurrentTerm: return QStringLiteral("CurrentTerm");
    case ScenarioField::CurrentInterestRate: return QStringLiteral("CurrentInterestRate");
    case ScenarioField::CurrentBalance: return QStringLiteral("CurrentBalance");
    case ScenarioField::CurrentActualFrequency: return QStringLiteral("CurrentActualFrequency");
    case ScenarioField::CurrentFrequency: return QStringLiteral("CurrentFrequency");
    case ScenarioField::CurrentNextPayment: return QStringLiteral("CurrentNextPayment");
    case ScenarioField::CurrentPayment: return QStringLiteral("CurrentPayment");
    case ScenarioField::CurrentActualPayment: return QStringLiteral("CurrentActualPayment");
    case ScenarioField::FirstPayment: return QStringLiteral("FirstPayment");
    case ScenarioField::PropertyValue: return QStringLiteral("PropertyValue");
    }
    return {};
}

namespace {

QString Suffix(QuoteField field)
{
    switch (field) {
    case QuoteField::FinancePoints: return QStringLiteral(" FinancePoints");
    case QuoteField::Points: return QStringLiteral(" Points");
    case QuoteField::Term: return QStringLiteral(" Term");
    case QuoteField::InterestRate: return QStringLiteral(" InterestRate");
    case QuoteField::Frequency: return QStringLiteral(" Frequency");
    case QuoteField::ActualPayment: return QStringLiteral(" ActualPayment");
    case QuoteField::Who: return QStringLiteral(" Who");
    case QuoteField::ClosingCosts: return QStringLiteral(" ClosingCosts");
    case QuoteField::FinanceClosingCosts: return QStringLiteral(" FinanceClosingCosts");
    case QuoteField::LenderCredit: return QStringLiteral(" LenderCredit");
    case QuoteField::MortgageInsurance: return QStringLiteral(" MortgageInsurance");
    case QuoteField::DisclosedApr: return QStringLiteral(" DisclosedApr");
    }
    return {};
}

} // namespace

QString Of(int number, QuoteField field)
{
    // The number keeps the blank where a negative one would carry its sign.
    return QStringLiteral("Loan ") + QString::number(number) + Suffix(field);
}

} // namespace ScenarioValueName
