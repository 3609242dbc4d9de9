#include "model/ScenarioStep.h"

#include "langlib/ResourceIds.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace {

int NameOfNewLoanChange(const ScenarioData& a, const ScenarioData& b)
{
    if (a.LoanType != b.LoanType)
        return rsLoanType;
    if (a.LoanAmount != b.LoanAmount)
        return rsLoanAmount;
    if (a.LoanTerm != b.LoanTerm)
        return rsDefaultTerm;
    if (a.EscrowTaxes != b.EscrowTaxes)
        return rsAnnualTaxes;
    if (a.EscrowInsurance != b.EscrowInsurance)
        return rsAnnualInsurance;
    if (a.FirstPayment != b.FirstPayment)
        return rsFirstPayment;
    return a.PropertyValue != b.PropertyValue ? rsPropertyValue : 0;
}

int NameOfCurrentLoanChange(const ScenarioData& a, const ScenarioData& b)
{
    if (a.CurrentLoanAmount != b.CurrentLoanAmount)
        return rsLoanAmount;
    if (a.CurrentTerm != b.CurrentTerm)
        return rsTerm;
    if (a.CurrentInterestRate != b.CurrentInterestRate)
        return rsCurInterestRate;
    if (a.CurrentFrequency != b.CurrentFrequency)
        return rsPaymentFrequency;
    if (a.CurrentActualFrequency != b.CurrentActualFrequency)
        return rsActualFrequency;
    if (a.CurrentNextPayment != b.CurrentNextPayment)
        return rsNextPayment;
    if (a.CurrentBalance != b.CurrentBalance)
        return rsCurrentBalance;
    if (a.CurrentActualPayment != b.CurrentActualPayment)
        return rsActualPayment;
    return a.CurrentPayment != b.CurrentPayment ? rsCalculatedPayment : 0;
}

// A rate that brought the default term, or a term that raised the actual
// payment, names the step after what the user typed.
int NameOfQuoteChange(const ScenarioQuote& a, const ScenarioQuote& b)
{
    if (a.Points != b.Points)
        return rsStepPoints;
    if (a.FinancePoints != b.FinancePoints)
        return rsStepFinancePoints;
    if (a.InterestRate != b.InterestRate)
        return rsStepInterestRate;
    if (a.Term != b.Term)
        return rsTerm;
    if (a.FrequencyCode != b.FrequencyCode)
        return rsFrequency;
    if (a.ClosingCosts != b.ClosingCosts)
        return rsCostsClosing;
    if (a.FinanceClosingCosts != b.FinanceClosingCosts)
        return rsCostsFinanced;
    if (a.LenderCredit != b.LenderCredit)
        return rsCostsLenderCredit;
    if (a.MortgageInsurance != b.MortgageInsurance)
        return rsCostsMortgageInsurance;
    if (a.DisclosedApr != b.DisclosedApr)
        return rsCostsDisclosedApr;
    if (a.ActualPayment != b.ActualPayment)
        return rsActualPayment;
    return a.Who != b.Who ? rsCostsLender : 0;
}

} // namespace

ScenarioStep::ScenarioStep(LoanDocument& document, LoanDocument::State before, LoanDocument::State after,
                           int nameId)
    : m_document(document)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_nameId(nameId)
{
    setText(Name(document, nameId));
}

void ScenarioStep::undo()
{
    m_document.Restore(m_before);
}

void ScenarioStep::redo()
{
    if (std::exchange(m_done, false))
        return;
    m_document.Restore(m_after);
}

// Labels lend their texts: "Loan Amount:" names the step "Loan Amount", and
// "Default Term (" names it "Default Term".
QString ScenarioStep::Name(const LoanDocument& document, int nameId)
{
    static const QRegularExpression labelEnd(QStringLiteral("[\\s:(]+$"));
    QString name = document.LoadResString(nameId);
    name.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return name.remove(labelEnd);
}

int ScenarioStep::NameOfChange(const ScenarioData& before, const ScenarioData& after)
{
    if (int id = NameOfNewLoanChange(before, after))
        return id;
    if (int id = NameOfCurrentLoanChange(before, after))
        return id;
    const qsizetype quotes = std::max(before.Quotes.size(), after.Quotes.size());
    for (qsizetype index = 0; index < quotes; ++index) {
        if (int id = NameOfQuoteChange(before.Quotes.value(index), after.Quotes.value(index)))
            return id;
    }
    return 0;
}
