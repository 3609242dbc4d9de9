#include "model/LoanDocument.h"

#include "engine/Annuity.h"
#include "engine/DayCount.h"
#include "engine/NothingOnOverflow.h"
#include "engine/PaymentFrequency.h"
#include "engine/PayoffSimulation.h"
#include "langlib/ResourceIds.h"

#include <QDate>
#include <QScopedValueRollback>

#include <algorithm>
#include <optional>

namespace {

// A twelfth of the yearly escrow in whole cents; none when the yearly sum
// leaves the range of money.
Money MonthlyEscrow(Money taxes, Money insurance)
{
    return NothingOnOverflow([&] { return Money::FromDoubleToCents((taxes + insurance).ToDouble() / 12); });
}

ScenarioQuote InputsOf(const CLoan& quote)
{
    return {quote.FinancePoints(), quote.Points(),       quote.Term(),         quote.InterestRate(),
            quote.FrequencyCode(), quote.ActualPayment(), quote.Who(),          quote.ClosingCosts(),
            quote.FinanceClosingCosts(), quote.LenderCredit(),  quote.MortgageInsurance(),
            quote.DisclosedApr()};
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

double LoanDocument::FirstPaymentDay() const
{
    return m_firstPayment != 0 ? m_firstPayment : Today();
}

QString LoanDocument::LoadResString(int id) const
{
    return m_text(id);
}

void LoanDocument::MarkScenarioChanged()
{
    if (m_restoring)
        return;
    SetScenarioChanged(true);
    emit Edited();
}

void LoanDocument::SetScenarioChanged(bool changed)
{
    if (changed == m_scenarioChanged)
        return;
    m_scenarioChanged = changed;
    emit UnsavedChangesChanged(changed);
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
    emit Changed(Value::LoanType);
}

// Every quote starts from the loan amount, also those that have no row yet.
void LoanDocument::SetLoanAmount(Money amount)
{
    StoreValue(m_loanAmount, amount);
    for (const auto& quote : Quotes)
        quote->SetStartingAmount(amount);
    RefreshQuoteResults();
    emit Changed(Value::LoanAmount);
}

void LoanDocument::SetFirstPayment(double date)
{
    StoreValue(m_firstPayment, date);
    emit Changed(Value::FirstPayment);
    RefreshQuoteResults();
}

void LoanDocument::SetPropertyValue(Money value)
{
    StoreValue(m_propertyValue, value);
    emit Changed(Value::PropertyValue);
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
    bool overflowed = false;
    const Money pandI = NothingOnOverflow(
        [&] { return AnnuityPayment(m_currentLoanAmount, m_currentInterestRate, m_currentTerm, frequency); },
        &overflowed);
    // The whole monthly escrow, whatever the frequency.
    const Money payment = NothingOnOverflow([&] { return pandI + m_escrowMonthly; }, &overflowed);
    SetCurrentPandI(overflowed ? Money() : pandI);
    SetCurrentPayment(overflowed ? Money() : payment);
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
    const auto payoff = NothingOnOverflow([this] { return SimulateCurrentPayoff(); });
    if (!payoff) {
        ShowNoCurrentPayoff(0);
        return;
    }
    if (!payoff->PaysOff()) {
        ShowNoCurrentPayoff(rsReasonNeverPaidOff);
        return;
    }
    SetCurrentPayoffDate(payoff->PayoffDate());
    SetCurrentAmountLeft(payoff->AmountPaid());
    SetCurrentInterestLeft(payoff->Interest());
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
    m_results.resize(Quotes.size());
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
    data.FirstPayment = FirstPayment();
    data.PropertyValue = PropertyValue();
    for (const auto& quote : Quotes)
        data.Quotes.append(InputsOf(*quote));
    return data;
}

void LoanDocument::SetDefaultNextPayment()
{
    QDate date = DayCount::ToDate(Today());
    if (date.day() > 1)
        date = QDate(date.year(), date.month(), 1).addMonths(1);
    SetCurrentNextPayment(DayCount::FromDate(date));
}

// The quotes shown before are emptied first: the new loan amount would
// otherwise raise their actual payments and the rows would show a raise the
// load never made.
void LoanDocument::Apply(const LoadedScenario& loaded)
{
    {
        const QScopedValueRollback<bool> settling(m_settling, true);
        emit ScenarioApplying(static_cast<int>(loaded.Data.Quotes.size()));
        for (const auto& quote : Quotes)
            EmptyQuote(*quote);
        SetCurrentBalance(Money());
        SetCurrentActualPayment(Money());
        ApplyNewLoan(loaded);
        ApplyCurrentLoan(loaded);
        ApplyQuotes(loaded);
    }
    emit ScenarioApplied();
    SetScenarioChanged(false);
}

void LoanDocument::ApplyNewLoan(const LoadedScenario& loaded)
{
    const ScenarioData& data = loaded.Data;
    SetLoanTypeCode(data.LoanType);
    Take(loaded.Failure(ScenarioField::LoanAmount), [&] { SetLoanAmount(data.LoanAmount); });
    Take(loaded.Failure(ScenarioField::LoanTerm), [&] { SetLoanTerm(data.LoanTerm); });
    Take(loaded.Failure(ScenarioField::EscrowTaxes), [&] { SetEscrowTaxes(data.EscrowTaxes); });
    Take(loaded.Failure(ScenarioField::EscrowInsurance), [&] { SetEscrowInsurance(data.EscrowInsurance); });
    Take(loaded.Failure(ScenarioField::FirstPayment), [&] { SetFirstPayment(data.FirstPayment); });
    Take(loaded.Failure(ScenarioField::PropertyValue), [&] { SetPropertyValue(data.PropertyValue); });
}

void LoanDocument::ApplyCurrentLoan(const LoadedScenario& loaded)
{
    const ScenarioData& data = loaded.Data;
    Take(loaded.Failure(ScenarioField::CurrentLoanAmount), [&] { SetCurrentLoanAmount(data.CurrentLoanAmount); });
    Take(loaded.Failure(ScenarioField::CurrentTerm), [&] { SetCurrentTerm(data.CurrentTerm); });
    Take(loaded.Failure(ScenarioField::CurrentInterestRate),
         [&] { SetCurrentInterestRate(data.CurrentInterestRate); });
    Take(loaded.Failure(ScenarioField::CurrentBalance), [&] { SetCurrentBalance(data.CurrentBalance); });
    SetCurrentFrequencyCodes(data.CurrentFrequency, data.CurrentActualFrequency);
    Take(loaded.Failure(ScenarioField::CurrentNextPayment), [&] { SetCurrentNextPayment(data.CurrentNextPayment); });
    Take(loaded.Failure(ScenarioField::CurrentPayment), [&] { SetCurrentPayment(data.CurrentPayment); });
    Take(loaded.Failure(ScenarioField::CurrentActualPayment),
         [&] { SetCurrentActualPayment(data.CurrentActualPayment); });
}

void LoanDocument::Sort(QuoteOrder::Mode by, int lastRow)
{
    if (by == QuoteOrder::SoonestPayoff) {
        for (std::size_t index = 0; index < QuoteOrder::RowsToSort(Quotes.size(), lastRow); ++index)
            ComputePayoff(index);
        m_order.SortByPayoff(Quotes, m_results, lastRow);
    } else if (by == QuoteOrder::LeastInterest) {
        m_order.SortByInterest(Quotes, m_results, lastRow);
    } else {
        m_order.ResetToNatural();
    }
    ComputeAllResults();
    emit Reordered();
}

void LoanDocument::ApplyQuotes(const LoadedScenario& loaded)
{
    const int count = static_cast<int>(loaded.Data.Quotes.size());
    GrowQuotes(static_cast<std::size_t>(count));
    m_order.ResetToNatural();
    emit Reordered();
    for (int index = 0; index < static_cast<int>(Quotes.size()); ++index) {
        if (index < count) {
            ApplyQuote(loaded, index);
        } else {
            EmptyQuote(*Quotes[static_cast<std::size_t>(index)]);
            ComputeResults(static_cast<std::size_t>(index));
            emit QuoteEmptied(index);
        }
    }
}

// The term is set before the rate, so a saved term is never replaced by the
// default term a quote takes when it first gets a rate.
void LoanDocument::ApplyQuote(const LoadedScenario& loaded, int index)
{
    CLoan& quote = *Quotes[static_cast<std::size_t>(index)];
    const ScenarioQuote& saved = loaded.Data.Quotes[index];
    quote.SetTerm(0);
    quote.SetPoints(0);
    quote.SetInterestRate(0);
    quote.SetFinancePoints(false);
    quote.SetClosingCosts(Money());
    quote.SetFinanceClosingCosts(false);
    quote.SetDisclosedApr(saved.DisclosedApr);
    Take(loaded.Failure(index, QuoteField::LenderCredit), [&] { quote.SetLenderCredit(saved.LenderCredit); });
    Take(loaded.Failure(index, QuoteField::MortgageInsurance),
         [&] { quote.SetMortgageInsurance(saved.MortgageInsurance); });
    Take(loaded.Failure(index, QuoteField::ActualPayment), [&] { quote.SetActualPayment(saved.ActualPayment); });
    Take(loaded.Failure(index, QuoteField::Term), [&] { quote.SetTerm(saved.Term); });
    quote.SetFinancePoints(saved.FinancePoints);
    Take(loaded.Failure(index, QuoteField::Points), [&] { quote.SetPoints(saved.Points); });
    quote.SetFinanceClosingCosts(saved.FinanceClosingCosts);
    Take(loaded.Failure(index, QuoteField::ClosingCosts), [&] { quote.SetClosingCosts(saved.ClosingCosts); });
    Take(loaded.Failure(index, QuoteField::InterestRate), [&] { quote.SetInterestRate(saved.InterestRate); });
    quote.SetFrequencyCode(saved.FrequencyCode);
    quote.SetWho(saved.Who);
    ComputeResults(static_cast<std::size_t>(index));
    emit QuoteApplied(index);
}

template <typename Set>
void LoanDocument::Take(const ScenarioLoadError* failure, Set set)
{
    if (failure)
        emit LoadFailed(failure->Message());
    else
        set();
}

// The rate goes first: with no payment left to compute, clearing the actual
// payment cannot raise it again.
void LoanDocument::EmptyQuote(CLoan& quote)
{
    quote.SetInterestRate(0);
    quote.SetPoints(0);
    quote.SetFinancePoints(false);
    quote.SetClosingCosts(Money());
    quote.SetFinanceClosingCosts(false);
    quote.SetTerm(0);
    quote.SetFrequencyCode(QString());
    quote.SetActualPayment(Money());
    quote.SetWho(QString());
    quote.SetLenderCredit(Money());
    quote.SetMortgageInsurance(Money());
    quote.SetDisclosedApr(std::nullopt);
}

// The actual frequency is emptied too: it may hold a code of its own when the
// scheduled one was never set.
void LoanDocument::Clear()
{
    m_settling = true;
    SetLoanName(QString());
    ChooseLoanType(QString());
    SetLoanAmount(Money());
    SetLoanTerm(0);
    SetEscrowTaxes(Money());
    SetEscrowInsurance(Money());
    SetFirstPayment(0);
    SetPropertyValue(Money());
    SetCurrentLoanAmount(Money());
    SetCurrentTerm(0);
    SetCurrentInterestRate(0);
    SetCurrentBalance(Money());
    SetCurrentFrequencyCode(QString());
    SetCurrentActualFrequencyCode(QString());
    SetCurrentPayment(Money());
    SetCurrentActualPayment(Money());
    RecalcCurrentPayment();
    SetDefaultNextPayment();
    SetCurrentPayoffDate(0);
    SetCurrentAmountLeft(Money());
    SetCurrentInterestLeft(Money());
    for (const auto& quote : Quotes)
        EmptyQuote(*quote);
    ComputeAllResults();
    // A new scenario is typed in as it comes, not into a sorted sheet.
    m_order.ResetToNatural();
    emit Reordered();
    m_settling = false;
    emit Cleared();
    SetScenarioChanged(false);
}

LoanDocument::State LoanDocument::Snapshot() const
{
    return {Collect(), m_currentPandI};
}

// A quote one state has and the other lacks counts as an empty one: rows
// made in between add nothing of the user's.
bool LoanDocument::SameValues(const State& one, const State& other)
{
    ScenarioData a = one.Values;
    ScenarioData b = other.Values;
    const qsizetype quotes = std::max(a.Quotes.size(), b.Quotes.size());
    a.Quotes.resize(quotes);
    b.Quotes.resize(quotes);
    return one.CurrentPandI == other.CurrentPandI && a.LoanType == b.LoanType && a.LoanAmount == b.LoanAmount
           && a.LoanTerm == b.LoanTerm && a.EscrowTaxes == b.EscrowTaxes && a.EscrowInsurance == b.EscrowInsurance
           && a.CurrentLoanAmount == b.CurrentLoanAmount && a.CurrentTerm == b.CurrentTerm
           && a.CurrentInterestRate == b.CurrentInterestRate && a.CurrentBalance == b.CurrentBalance
           && a.CurrentActualPayment == b.CurrentActualPayment && a.CurrentFrequency == b.CurrentFrequency
           && a.CurrentActualFrequency == b.CurrentActualFrequency && a.CurrentPayment == b.CurrentPayment
           && a.CurrentNextPayment == b.CurrentNextPayment && a.FirstPayment == b.FirstPayment
           && a.PropertyValue == b.PropertyValue && a.Quotes == b.Quotes;
}

// The quotes' results are computed once every value is back, as any edit
// computes them: a payment they raise marks the scenario changed.
void LoanDocument::Restore(const State& state)
{
    m_settling = true;
    {
        const QScopedValueRollback<bool> restoring(m_restoring, true);
        RestoreNewLoan(state.Values);
        RestoreCurrentLoan(state);
        GrowQuotes(static_cast<std::size_t>(state.Values.Quotes.size()));
        for (std::size_t index = 0; index < Quotes.size(); ++index) {
            const auto saved = static_cast<qsizetype>(index);
            TakeQuote(*Quotes[index], saved < state.Values.Quotes.size() ? state.Values.Quotes[saved] : ScenarioQuote());
        }
        for (const Value value : {Value::LoanType, Value::LoanAmount, Value::LoanTerm, Value::EscrowTaxes,
                                  Value::EscrowInsurance, Value::EscrowMonthly, Value::FirstPayment,
                                  Value::PropertyValue, Value::CurrentLoanAmount,
                                  Value::CurrentTerm, Value::CurrentInterestRate, Value::CurrentBalance,
                                  Value::CurrentActualPayment, Value::CurrentNextPayment, Value::CurrentPayment,
                                  Value::CurrentFrequency, Value::CurrentActualFrequency})
            emit Changed(value);
        emit CurrentPaymentInputsChecked();
        RecalcCurrentPayoff();
    }
    ComputeAllResults();
    m_settling = false;
    emit Restored();
}

void LoanDocument::RestoreNewLoan(const ScenarioData& values)
{
    m_loanTypeCode = values.LoanType;
    m_loanAmount = values.LoanAmount;
    for (const auto& quote : Quotes)
        quote->SetStartingAmount(m_loanAmount);
    m_loanTerm = values.LoanTerm;
    m_escrowTaxes = values.EscrowTaxes;
    m_escrowInsurance = values.EscrowInsurance;
    m_escrowMonthly = MonthlyEscrow(m_escrowTaxes, m_escrowInsurance);
    m_firstPayment = values.FirstPayment;
    m_propertyValue = values.PropertyValue;
}

void LoanDocument::RestoreCurrentLoan(const State& state)
{
    const ScenarioData& values = state.Values;
    m_currentLoanAmount = values.CurrentLoanAmount;
    m_currentTerm = values.CurrentTerm;
    m_currentInterestRate = values.CurrentInterestRate;
    m_currentBalance = values.CurrentBalance;
    m_currentActualPayment = values.CurrentActualPayment;
    m_currentFrequencyCode = values.CurrentFrequency;
    m_currentActualFrequencyCode = values.CurrentActualFrequency;
    m_currentPayment = values.CurrentPayment;
    m_currentNextPayment = values.CurrentNextPayment;
    m_currentPandI = state.CurrentPandI;
}

// With no rate there is no payment to hold the actual payment against, so it
// goes in as it is; the term follows the rate, so a rate given to a quote
// without a term does not bring the default term with it.
void LoanDocument::TakeQuote(CLoan& quote, const ScenarioQuote& values)
{
    quote.SetInterestRate(0);
    quote.SetActualPayment(values.ActualPayment);
    quote.SetPoints(values.Points);
    quote.SetFinancePoints(values.FinancePoints);
    quote.SetClosingCosts(values.ClosingCosts);
    quote.SetFinanceClosingCosts(values.FinanceClosingCosts);
    quote.SetFrequencyCode(values.FrequencyCode);
    quote.SetInterestRate(values.InterestRate);
    quote.SetTerm(values.Term);
    quote.SetWho(values.Who);
    quote.SetLenderCredit(values.LenderCredit);
    quote.SetMortgageInsurance(values.MortgageInsurance);
    quote.SetDisclosedApr(values.DisclosedApr);
}

bool LoanDocument::HoldsInputs(int index) const
{
    return InputsOf(*Quotes[static_cast<std::size_t>(index)]) != ScenarioQuote();
}

void LoanDocument::ClearQuote(int index)
{
    EmptyQuote(*Quotes[static_cast<std::size_t>(index)]);
    ComputeResults(static_cast<std::size_t>(index));
    emit QuoteChanged(index);
}

void LoanDocument::CopyQuote(int from, int to)
{
    TakeQuote(*Quotes[static_cast<std::size_t>(to)], InputsOf(*Quotes[static_cast<std::size_t>(from)]));
    ComputeResults(static_cast<std::size_t>(to));
    emit QuoteChanged(to);
}

void LoanDocument::EditQuote(int index, const std::function<void(CLoan&)>& edit, Recompute what)
{
    const auto i = static_cast<std::size_t>(index);
    edit(*Quotes[i]);
    m_results[i].Raised = false;
    if (what == Recompute::Everything)
        ComputeResults(i);
    else if (what == Recompute::Payoff)
        ComputePayoff(i);
    emit QuoteUpdated(index);
}

void LoanDocument::RefreshQuoteResults()
{
    ComputeAllResults();
    emit QuoteResultsChanged();
}

void LoanDocument::ComputeAllResults()
{
    for (std::size_t index = 0; index < Quotes.size(); ++index)
        ComputeResults(index);
}

// The payment before the payoff date, which pays the actual payment the
// payment may raise; the payoff date before the interest, which it computes.
void LoanDocument::ComputeResults(std::size_t index)
{
    CLoan& quote = *Quotes[index];
    QuoteResults& results = m_results[index];
    results.PandI = NothingOnOverflow([&quote] { return quote.PandI(); });
    results.Payment = NothingOnOverflow([&quote] { return quote.Payment(); });
    results.Raised = quote.Forced();
    ComputePayoff(index);
}

// A payoff beyond what money can count has no date, and is no payoff that
// never comes either.
void LoanDocument::ComputePayoff(std::size_t index)
{
    CLoan& quote = *Quotes[index];
    QuoteResults& results = m_results[index];
    bool overflowed = false;
    results.PayoffDate = NothingOnOverflow([&quote] { return quote.PayoffDate(); }, &overflowed);
    results.NeverPaidOff = results.PayoffDate == 0 && !overflowed && quote.HasPayoffInputs();
    results.Interest = quote.Interest();
}
