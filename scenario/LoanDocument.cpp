#include "scenario/LoanDocument.h"

#include "engine/Annuity.h"
#include "engine/MoneyOverflow.h"
#include "engine/PaymentFrequency.h"
#include "engine/PayoffSimulation.h"
#include "langlib/ResourceIds.h"

#include <stdexcept>

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

LoanDocument::~LoanDocument()
{
    emit Closing();
}

double LoanDocument::Today() const
{
    return m_today();
}

QString LoanDocument::LoadResString(int id) const
{
    return m_text(id);
}

void LoanDocument::MarkScenarioChanged()
{
    m_scenarioChanged = true;
    emit Edited();
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
        RecalcCurrentPayoff();
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
        RecalcCurrentPayoff();
}

void LoanDocument::SetCurrentBalance(Money balance)
{
    StoreValue(m_currentBalance, balance);
    emit Changed(Value::CurrentBalance);
    if (balance != Money())
        RecalcCurrentPayoff();
}

void LoanDocument::SetCurrentActualPayment(Money payment)
{
    StoreValue(m_currentActualPayment, payment);
    emit Changed(Value::CurrentActualPayment);
    if (payment != Money())
        RecalcCurrentPayoff();
}

void LoanDocument::SetCurrentNextPayment(double date)
{
    StoreValue(m_currentNextPayment, date);
    emit Changed(Value::CurrentNextPayment);
    RecalcCurrentPayoff();
}

void LoanDocument::SetCurrentPayment(Money payment)
{
    StoreValue(m_currentPayment, payment);
    emit Changed(Value::CurrentPayment);
    if (payment == Money())
        return;
    if (payment > m_currentActualPayment)
        SetCurrentActualPayment(payment);
    RecalcCurrentPayoff();
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

void LoanDocument::SetCurrentPayoffDate(double date, qint32 reason)
{
    m_currentPayoffDate = date;
    m_currentPayoffReason = reason;
    emit Changed(Value::CurrentPayoffDate);
}

// Any one of amount, term and rate makes a current loan.
bool LoanDocument::HasCurrentLoan() const
{
    return m_currentLoanAmount != Money() || m_currentTerm != 0 || m_currentInterestRate != 0;
}

void LoanDocument::RecalcCurrentPayment()
{
    if (HasCurrentLoan() && !PaymentFrequency(m_currentFrequencyCode).IsKnown())
        SetCurrentFrequencyCode(QStringLiteral("M"));
    emit CurrentPaymentInputsChecked();
    if (m_currentLoanAmount == Money() || m_currentTerm == 0 || m_currentInterestRate == 0)
        return;
    const PaymentFrequency frequency(m_currentFrequencyCode);
    if (!frequency.IsKnown())
        return;
    try {
        const Money pandI = AnnuityPayment(m_currentLoanAmount, m_currentInterestRate, m_currentTerm, frequency);
        SetCurrentPandI(pandI);
        // The whole monthly escrow, whatever the frequency.
        SetCurrentPayment(pandI + m_escrowMonthly);
    } catch (const std::overflow_error&) {
        SetCurrentPandI(Money());
        SetCurrentPayment(Money());
    }
}

// The quotes' payoff simulation, run from the current balance at the actual
// payment and frequency, the first payment falling on the next due date.
void LoanDocument::RecalcCurrentPayoff()
{
    if (m_currentBalance == Money() || m_currentActualPayment == Money()) {
        ShowNoCurrentPayoff(0);
        return;
    }
    if (!PaymentFrequency(m_currentActualFrequencyCode).IsKnown()) {
        ShowNoCurrentPayoff(rsReasonNoFrequency);
        return;
    }
    try {
        const PayoffSimulation payoff = *SimulateCurrentPayoff();
        if (!payoff.PaysOff()) {
            ShowNoCurrentPayoff(rsReasonNeverPaidOff);
            return;
        }
        SetCurrentPayoffDate(payoff.PayoffDate());
        SetCurrentAmountLeft(payoff.AmountPaid());
        SetCurrentInterestLeft(payoff.Interest());
    } catch (const std::overflow_error&) {
        ShowNoCurrentPayoff(0);
    }
}

std::optional<PayoffSimulation> LoanDocument::SimulateCurrentPayoff(const PayoffSimulation::Recorder& record) const
{
    const PaymentFrequency frequency(m_currentActualFrequencyCode);
    if (m_currentBalance == Money() || m_currentActualPayment == Money() || !frequency.IsKnown())
        return std::nullopt;
    return PayoffSimulation(m_currentBalance, m_currentInterestRate, frequency, m_currentActualPayment,
                            m_escrowMonthly, m_currentNextPayment, record);
}

void LoanDocument::ShowNoCurrentPayoff(qint32 reason)
{
    SetCurrentPayoffDate(0, reason);
    SetCurrentAmountLeft(Money());
    SetCurrentInterestLeft(Money());
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

// What a save writes: every quote, also those without a row.
ScenarioData LoanDocument::Collect() const
{
    ScenarioData data;
    data.LoanType = LoanTypeCode();
    data.LoanAmount = LoanAmount();
    data.LoanTerm = LoanTerm();
    data.EscrowTaxes = EscrowTaxes();
    data.EscrowInsurance = EscrowInsurance();
    data.CurrentLoanAmount = CurrentLoanAmount();
    data.CurrentTerm = CurrentTerm();
    data.CurrentInterestRate = CurrentInterestRate();
    data.CurrentBalance = CurrentBalance();
    data.CurrentActualPayment = CurrentActualPayment();
    data.CurrentFrequency = CurrentFrequencyCode();
    data.CurrentActualFrequency = CurrentActualFrequencyCode();
    data.CurrentPayment = CurrentPayment();
    data.CurrentNextPayment = CurrentNextPayment();
    for (const auto& quote : Quotes) {
        data.Quotes.append({quote->FinancePoints(), quote->Points(), quote->Term(), quote->InterestRate(),
                            quote->FrequencyCode(), quote->ActualPayment(), quote->Who(), quote->ClosingCosts(),
                            quote->FinanceClosingCosts()});
    }
    return data;
}
