#include "scenario/LoanDocument.h"

#include "engine/MoneyOverflow.h"
#include "engine/PaymentFrequency.h"

namespace {

// A twelfth of the yearly escrow in whole cents; none when the yearly sum
// leaves the range of money.
Money MonthlyEscrow(Money taxes, Money insurance)
{
    try {
        return Money::FromDoubleToCents((taxes + insurance).ToDouble() / 12);
    } catch (const MoneyOverflow&) {
        return Money();
    }
}

} // namespace

LoanDocument::LoanDocument(TextLookup text, TodayLookup today)
    : m_text(std::move(text))
    , m_today(std::move(today))
{
}

LoanDocument::~LoanDocument() = default;

double LoanDocument::Today() const
{
    return m_today();
}

QString LoanDocument::LoadResString(int id) const
{
    return m_text(id);
}

void LoanDocument::ShowPaymentNotice()
{
    emit PaymentNoticeRequested();
    m_paymentNoticeShown = true;
}

void LoanDocument::SetLoanName(const QString& name)
{
    m_loanName = name;
    emit Changed(Value::LoanName);
}

void LoanDocument::ChooseLoanType(const QString& code)
{
    m_loanTypeCode = code;
    MarkScenarioChanged();
}

// Every quote starts from the loan amount, also those that have no row yet.
void LoanDocument::SetLoanAmount(Money amount)
{
    StoreValue(m_loanAmount, amount);
    for (const auto& quote : Quotes)
        quote->SetStartingAmount(amount);
    emit QuoteResultsChanged();
    emit Changed(Value::LoanAmount);
}

void LoanDocument::SetLoanTerm(qint32 term)
{
    StoreValue(m_loanTerm, term);
    emit Changed(Value::LoanTerm);
}

void LoanDocument::SetEscrowTaxes(Money taxes)
{
    StoreValue(m_escrowTaxes, taxes);
    emit Changed(Value::EscrowTaxes);
    SetEscrowMonthly(MonthlyEscrow(m_escrowTaxes, m_escrowInsurance));
}

void LoanDocument::SetEscrowInsurance(Money insurance)
{
    StoreValue(m_escrowInsurance, insurance);
    emit Changed(Value::EscrowInsurance);
    SetEscrowMonthly(MonthlyEscrow(m_escrowTaxes, m_escrowInsurance));
}

void LoanDocument::SetEscrowMonthly(Money escrow)
{
    m_escrowMonthly = escrow;
    emit Changed(Value::EscrowMonthly);
}

void LoanDocument::SetCurrentLoanAmount(Money amount)
{
    StoreValue(m_currentLoanAmount, amount);
    emit Changed(Value::CurrentLoanAmount);
    if (amount != Money())
        emit CurrentPayoffInputChanged();
}

void LoanDocument::SetCurrentTerm(qint32 term)
{
    StoreValue(m_currentTerm, term);
    emit Changed(Value::CurrentTerm);
}

void LoanDocument::SetCurrentInterestRate(double rate)
{
    StoreValue(m_currentInterestRate, rate);
    emit Changed(Value::CurrentInterestRate);
    if (rate != 0)
        emit CurrentPayoffInputChanged();
}

void LoanDocument::SetCurrentBalance(Money balance)
{
    StoreValue(m_currentBalance, balance);
    emit Changed(Value::CurrentBalance);
    if (balance != Money())
        emit CurrentPayoffInputChanged();
}

void LoanDocument::SetCurrentActualPayment(Money payment)
{
    StoreValue(m_currentActualPayment, payment);
    emit Changed(Value::CurrentActualPayment);
    if (payment != Money())
        emit CurrentPayoffInputChanged();
}

void LoanDocument::SetCurrentNextPayment(double date)
{
    StoreValue(m_currentNextPayment, date);
    emit Changed(Value::CurrentNextPayment);
    emit CurrentPayoffInputChanged();
}

void LoanDocument::SetCurrentPayment(Money payment)
{
    StoreValue(m_currentPayment, payment);
    emit Changed(Value::CurrentPayment);
    if (payment == Money())
        return;
    if (payment > m_currentActualPayment)
        SetCurrentActualPayment(payment);
    emit CurrentPayoffInputChanged();
}

void LoanDocument::SetCurrentAmountLeft(Money amount)
{
    m_currentAmountLeft = amount;
    emit Changed(Value::CurrentAmountLeft);
}

void LoanDocument::SetCurrentInterestLeft(Money interest)
{
    m_currentInterestLeft = interest;
    emit Changed(Value::CurrentInterestLeft);
}

void LoanDocument::SetCurrentPayoffDate(double date)
{
    m_currentPayoffDate = date;
    emit Changed(Value::CurrentPayoffDate);
}

void LoanDocument::SetCurrentFrequencyCode(const QString& code)
{
    if (code == m_currentFrequencyCode)
        return;
    m_currentFrequencyCode = code;
    MarkScenarioChanged();
    emit Changed(Value::CurrentFrequency);
    SetCurrentActualFrequencyCode(PaymentFrequency(code).IsKnown() ? code : QString());
}

void LoanDocument::SetCurrentActualFrequencyCode(const QString& code)
{
    if (code == m_currentActualFrequencyCode)
        return;
    m_currentActualFrequencyCode = code;
    MarkScenarioChanged();
    emit Changed(Value::CurrentActualFrequency);
}

void LoanDocument::SetCurrentFrequencyCodes(const QString& scheduled, const QString& actual)
{
    m_currentFrequencyCode = scheduled;
    m_currentActualFrequencyCode = actual;
}

void LoanDocument::GrowQuotes(std::size_t count)
{
    while (Quotes.size() < count)
        Quotes.push_back(std::make_unique<CLoan>(*this));
    m_order.Grow(Quotes.size());
}
