#pragma once

#include "engine/CLoan.h"
#include "engine/LoanHost.h"
#include "engine/Money.h"
#include "engine/PayoffSimulation.h"
#include "model/LoadedScenario.h"
#include "model/QuoteResults.h"
#include "model/ScenarioData.h"
#include "model/QuoteOrder.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The scenario the main window shows, without a widget: the new loan, the
// current loan and the competing quotes with their display order. It holds
// the edit rules: a setter stores its value and marks the scenario changed
// only when the value differs; derived values never mark a change; the loan
// amount reaches every quote; the current loan's actual payment never stays
// below its scheduled one. It computes every quote's results after each edit
// that concerns the quote, reading them once in the order the rules bind, and
// keeps them; views show what it holds and signals, in the order the setters
// act, so recomputations and messages keep their order.
class LoanDocument : public QObject, public LoanHost
{
    Q_OBJECT

public:
    // What a view shows of the document.
    enum class Value {
        LoanName,
        LoanAmount,
        LoanTerm,
        EscrowTaxes,
        EscrowInsurance,
        EscrowMonthly,
        CurrentLoanAmount,
        CurrentTerm,
        CurrentInterestRate,
        CurrentBalance,
        CurrentActualPayment,
        CurrentNextPayment,
        CurrentPayment,
        CurrentAmountLeft,
        CurrentInterestLeft,
        CurrentPayoffDate,
        CurrentFrequency,
        CurrentActualFrequency,
        LoanType,
        FirstPayment,
        PropertyValue,
    };

    // The text of a string id in the active language, and today's day count.
    using TextLookup = std::function<QString(int id)>;
    using TodayLookup = std::function<double()>;

    LoanDocument(TextLookup text, TodayLookup today);
    ~LoanDocument() override;

    // What a quote asks of its scenario.
    Money LoanAmount() const override { return m_loanAmount; }
    qint32 LoanTerm() const override { return m_loanTerm; }
    Money EscrowMonthly() const override { return m_escrowMonthly; }
    double Today() const override;
    double FirstPaymentDay() const override;
    QString LoadResString(int id) const override;
    const TextLookup& Texts() const { return m_text; }
    // Asks the views for the notice and remembers that it was given.
    void ShowPaymentNotice() override;
    void MarkScenarioChanged() override;

    // The new loan.
    QString LoanName() const { return m_loanName; }
    void SetLoanName(const QString& name);
    QString LoanTypeCode() const { return m_loanTypeCode; }
    // A type chosen by the user: always a change, even the same one again.
    void ChooseLoanType(const QString& code);
    // A saved code as it is: nothing marked, nothing signalled.
    void SetLoanTypeCode(const QString& code) { m_loanTypeCode = code; }
    void SetLoanAmount(Money amount);
    // Months.
    void SetLoanTerm(qint32 term);
    Money EscrowTaxes() const { return m_escrowTaxes; }
    void SetEscrowTaxes(Money taxes);
    Money EscrowInsurance() const { return m_escrowInsurance; }
    void SetEscrowInsurance(Money insurance);
    // Derived from the yearly amounts, so it never counts as a change.
    void SetEscrowMonthly(Money escrow);
    // Day count of the new loan's first payment; 0 is none. Every quote's
    // results follow it.
    double FirstPayment() const { return m_firstPayment; }
    void SetFirstPayment(double date);
    // What the property is worth; 0 is not given.
    Money PropertyValue() const { return m_propertyValue; }
    void SetPropertyValue(Money value);

    // The current loan. Rates are annual fractions, terms months, dates day
    // counts.
    Money CurrentLoanAmount() const { return m_currentLoanAmount; }
    void SetCurrentLoanAmount(Money amount);
    qint32 CurrentTerm() const { return m_currentTerm; }
    void SetCurrentTerm(qint32 term);
    double CurrentInterestRate() const { return m_currentInterestRate; }
    void SetCurrentInterestRate(double rate);
    Money CurrentBalance() const { return m_currentBalance; }
    void SetCurrentBalance(Money balance);
    Money CurrentActualPayment() const { return m_currentActualPayment; }
    void SetCurrentActualPayment(Money payment);
    double CurrentNextPayment() const { return m_currentNextPayment; }
    void SetCurrentNextPayment(double date);
    Money CurrentPandI() const { return m_currentPandI; }
    void SetCurrentPandI(Money pandI) { m_currentPandI = pandI; }
    Money CurrentPayment() const { return m_currentPayment; }
    void SetCurrentPayment(Money payment);
    Money CurrentAmountLeft() const { return m_currentAmountLeft; }
    void SetCurrentAmountLeft(Money amount);
    Money CurrentInterestLeft() const { return m_currentInterestLeft; }
    void SetCurrentInterestLeft(Money interest);
    double CurrentPayoffDate() const { return m_currentPayoffDate; }
    // With no date, the string id of the reason, or 0 for none worth saying.
    void SetCurrentPayoffDate(double date, qint32 reason = 0);
    qint32 CurrentPayoffReason() const { return m_currentPayoffReason; }

    // The scheduled payment from amount, term and rate once all three are
    // there (Monthly unless a frequency is chosen); until then it keeps its
    // last value. Figures beyond the range of money give no payment.
    void RecalcCurrentPayment();
    // Payoff date, amount and interest left, paying the actual payment from
    // the next due date on. A payment that never pays the balance off, or
    // figures beyond the range of money, leave all three empty.
    void RecalcCurrentPayoff();
    // The simulation RecalcCurrentPayoff runs, telling `record` of every
    // payment; nothing without a balance, an actual payment or a known
    // actual frequency. Throws MoneyOverflow as the simulation does.
    std::optional<PayoffSimulation> SimulateCurrentPayoff(const PayoffSimulation::Recorder& record = {}) const;

    // The frequencies as codes. A change of the scheduled one carries the
    // actual one with it.
    QString CurrentFrequencyCode() const { return m_currentFrequencyCode; }
    void SetCurrentFrequencyCode(const QString& code);
    QString CurrentActualFrequencyCode() const { return m_currentActualFrequencyCode; }
    void SetCurrentActualFrequencyCode(const QString& code);
    // Saved codes as they are: nothing marked, nothing signalled.
    void SetCurrentFrequencyCodes(const QString& scheduled, const QString& actual);

    // Unsaved changes in the scenario.
    bool ScenarioChanged() const { return m_scenarioChanged; }
    void SetScenarioChanged(bool changed);
    bool PaymentNoticeShown() const { return m_paymentNoticeShown; }
    // A new window explains its first raised payment again.
    void ForgetPaymentNotice() { m_paymentNoticeShown = false; }

    // One quote per row, by quote index, each starting from the loan amount.
    // Their inputs change through EditQuote, so their results follow.
    std::vector<std::unique_ptr<CLoan>> Quotes;
    // Quotes up to count, also for rows not made yet.
    void GrowQuotes(std::size_t count);

    // What the document last computed for the quote of that index.
    const QuoteResults& Results(int index) const { return m_results[static_cast<std::size_t>(index)]; }
    // What an edit of a quote computes afterwards.
    enum class Recompute {
        // P&I, the payment (which raises a smaller actual payment), the
        // payoff date and the interest it computes, in that order.
        Everything,
        // The payoff date and its interest: the payment stays as it was.
        Payoff,
        // Nothing: the results stay as they were.
        Nothing,
    };
    // Changes inputs of the quote of that index, computes what `what` says
    // and signals QuoteUpdated.
    void EditQuote(int index, const std::function<void(CLoan&)>& edit, Recompute what = Recompute::Everything);
    // Every result of the quote of that index afresh, as any edit computes
    // them.
    void RecomputeQuote(int index)
    {
        EditQuote(index, [](CLoan&) {});
    }
    // Every quote's results afresh, after a change that reaches them all.
    void RefreshQuoteResults();
    // Apply, Restore or Clear is setting value after value; views that
    // follow the whole scenario wait for the signal that ends it.
    bool Settling() const { return m_settling; }
    QuoteOrder& Order() { return m_order; }
    const QuoteOrder& Order() const { return m_order; }
    // Sorts the rows 0 to lastRow by soonest payoff (each payoff simulated
    // afresh) or least interest (as last computed), or shows every quote in
    // its own row again (natural order); then every quote's results afresh,
    // as the rows show them again.
    void Sort(QuoteOrder::Mode by, int lastRow);

    // The values a saved scenario holds.
    ScenarioData Collect() const;
    // Takes a loaded scenario over through the setters in a fixed order, so
    // every value shows and every figure that depends on it is recomputed. A
    // value that failed to convert is reported where it comes and keeps what
    // it had. The quotes come back in natural order; quotes the scenario does
    // not hold are emptied, so nothing of the scenario shown before survives
    // into the next save.
    void Apply(const LoadedScenario& loaded);
    // Nothing entered, the next payment on its default date, the quotes in
    // natural order, nothing to save.
    void Clear();

    // Every value the user can change, for going back to it.
    struct State
    {
        ScenarioData Values;
        // Kept as it was computed: it keeps its last value while the current
        // loan lacks an input.
        Money CurrentPandI;
    };
    State Snapshot() const;
    // Puts every value back as the state holds it, marking nothing; the
    // views show them all again. Quotes the state did not have yet are
    // emptied.
    void Restore(const State& state);
    static bool SameValues(const State& one, const State& other);

    // What the user does next is one step of the history, under the name of
    // that string id (0: named after the first value it changes), until
    // EndStep.
    void BeginStep(int nameId = 0) { emit StepBegun(nameId); }
    void EndStep() { emit StepEnded(); }

    // Whether the user has entered anything in the quote of that index.
    bool HoldsInputs(int index) const;
    // The quote of that index holds nothing any more.
    void ClearQuote(int index);
    // The quote of index `to` takes every input of the quote `from`.
    void CopyQuote(int from, int to);
    // The first day of the coming month, or today when today is the first.
    void SetDefaultNextPayment();

signals:
    // The value was set; its view shows it.
    void Changed(LoanDocument::Value value);
    // Every quote's results were computed afresh; the rows show them again.
    void QuoteResultsChanged();
    // The quote of that index took an edit; its results are as the rules
    // leave them, Raised telling whether this edit raised its payment.
    void QuoteUpdated(int index);
    void PaymentNoticeRequested();
    // A value of the scenario changed, a quote's among them: every change
    // that marks it unsaved.
    void Edited();
    // The document is going while it can still answer: views that would
    // read it later go now.
    void Closing();
    // The scheduled payment was asked for: the inputs it lacks may differ.
    void CurrentPaymentInputsChecked();

    // A scenario of that many quotes is about to be applied: the views make
    // their rows and fill their lists.
    void ScenarioApplying(int quoteCount);
    // A stored value could not be taken over; the message says which.
    void LoadFailed(const QString& message);
    // The quote of that index, in natural order, holds its saved values.
    void QuoteApplied(int index);
    // The quote of that index holds nothing now.
    void QuoteEmptied(int index);
    // Every value has been applied: lists show the names of their codes.
    void ScenarioApplied();
    // Clear has emptied every value.
    void Cleared();
    // The sort mode was set: the rows may show other quotes than before.
    void Reordered();
    // Every value may differ: views show them all again.
    void Restored();
    // The quote of that index holds other inputs than before.
    void QuoteChanged(int index);
    // The scenario's unsaved-changes flag turned on or off.
    void UnsavedChangesChanged(bool unsaved);
    void StepBegun(int nameId);
    void StepEnded();

private:
    // Stores a scenario value, marking the scenario changed when it differs.
    template <typename T>
    void StoreValue(T& field, const T& value)
    {
        if (field != value)
            MarkScenarioChanged();
        field = value;
    }

    bool HasCurrentLoan() const;
    void ApplyNewLoan(const LoadedScenario& loaded);
    void ApplyCurrentLoan(const LoadedScenario& loaded);
    void ApplyQuotes(const LoadedScenario& loaded);
    void ApplyQuote(const LoadedScenario& loaded, int index);
    // Runs set unless the value failed to load, which is reported instead.
    template <typename Set>
    void Take(const ScenarioLoadError* failure, Set set);
    static void EmptyQuote(CLoan& quote);
    void ComputeResults(std::size_t index);
    void ComputePayoff(std::size_t index);
    void ComputeAllResults();
    static void TakeQuote(CLoan& quote, const ScenarioQuote& values);
    void RestoreNewLoan(const ScenarioData& values);
    void RestoreCurrentLoan(const State& state);
    void ShowNoCurrentPayoff(qint32 reason);

    TextLookup m_text;
    TodayLookup m_today;

    QString m_loanName;
    QString m_loanTypeCode;
    Money m_loanAmount;
    qint32 m_loanTerm = 0;
    Money m_escrowTaxes;
    Money m_escrowInsurance;
    Money m_escrowMonthly;
    double m_firstPayment = 0;
    Money m_propertyValue;

    Money m_currentLoanAmount;
    qint32 m_currentTerm = 0;
    double m_currentInterestRate = 0;
    Money m_currentBalance;
    Money m_currentActualPayment;
    double m_currentNextPayment = 0;
    Money m_currentPandI;
    Money m_currentPayment;
    Money m_currentAmountLeft;
    Money m_currentInterestLeft;
    double m_currentPayoffDate = 0;
    qint32 m_currentPayoffReason = 0;
    QString m_currentFrequencyCode;
    QString m_currentActualFrequencyCode;

    bool m_scenarioChanged = false;
    bool m_paymentNoticeShown = false;
    // While a state is put back, nothing it sets counts as an edit.
    bool m_restoring = false;
    bool m_settling = false;

    QuoteOrder m_order;
    std::vector<QuoteResults> m_results;
};
