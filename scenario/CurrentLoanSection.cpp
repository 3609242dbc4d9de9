#include "scenario/CurrentLoanSection.h"

#include "app/Loan.h"
#include "engine/Annuity.h"
#include "engine/PaymentFrequency.h"
#include "engine/PayoffSimulation.h"
#include "langlib/Resources.h"
#include "scenario/ChoiceList.h"
#include "scenario/FieldColour.h"
#include "scenario/ResultReason.h"

#include <QComboBox>
#include <QEvent>

#include <stdexcept>

CurrentLoanSection::CurrentLoanSection(Loan& window)
    : m_window(window)
{
    for (QComboBox* list : {window.cboCurPaymentFrequency, window.cboActPaymentFrequency})
        list->installEventFilter(this);
    connect(window.cboCurPaymentFrequency, &QComboBox::activated, this,
            &CurrentLoanSection::ScheduledFrequencyChosen);
    connect(window.cboActPaymentFrequency, &QComboBox::activated, this,
            &CurrentLoanSection::ActualFrequencyChosen);
}

void CurrentLoanSection::RecalcCurrentPayment()
{
    Loan& w = m_window;
    if (w.CurrentLoanAmount() == Money() && w.CurrentTerm() == 0 && w.CurrentInterestRate() == 0) {
        ShowMissingInputs();
        return;
    }
    FillFrequencyLists();
    if (w.CurrentFrequency().isEmpty())
        w.SetCurrentFrequency(w.LoadResString(rsTermMonthly));
    ShowMissingInputs();
    if (w.CurrentLoanAmount() == Money() || w.CurrentTerm() == 0 || w.CurrentInterestRate() == 0)
        return;
    const PaymentFrequency frequency(w.CurrentFrequencyCode());
    if (!frequency.IsKnown())
        return;
    try {
        const Money pandI =
            AnnuityPayment(w.CurrentLoanAmount(), w.CurrentInterestRate(), w.CurrentTerm(), frequency);
        w.SetCurrentPandI(pandI);
        // The whole monthly escrow, whatever the frequency.
        w.SetCurrentPayment(pandI + w.EscrowMonthly());
    } catch (const std::overflow_error&) {
        w.SetCurrentPandI(Money());
        w.SetCurrentPayment(Money());
    }
}

// A current loan with none of the three entered lacks nothing.
void CurrentLoanSection::ShowMissingInputs()
{
    const bool noAmount = m_window.CurrentLoanAmount() == Money();
    const bool noTerm = m_window.CurrentTerm() == 0;
    const bool noRate = m_window.CurrentInterestRate() == 0;
    const bool noLoan = noAmount && noTerm && noRate;
    auto show = [noLoan](QWidget* input, bool missing) {
        if (missing && !noLoan)
            FieldColour::Mark(input, FieldColour::Required);
        else
            FieldColour::Clear(input);
    };
    show(m_window.txtCurLoanAmount, noAmount);
    show(m_window.txtCurLoanTerm, noTerm);
    show(m_window.txtCurInterestRate, noRate);
}

// The quotes' payoff simulation, run from the current balance at the actual
// payment and frequency, the first payment falling on the next due date.
void CurrentLoanSection::RecalcCurrentPayoff()
{
    Loan& w = m_window;
    if (w.CurrentBalance() == Money() || w.CurrentActualPayment() == Money()) {
        ShowNoPayoff(0);
        return;
    }
    const PaymentFrequency frequency(w.CurrentActualFrequencyCode());
    if (!frequency.IsKnown()) {
        ShowNoPayoff(rsReasonNoFrequency);
        return;
    }
    try {
        const PayoffSimulation payoff(w.CurrentBalance(), w.CurrentInterestRate(), frequency,
                                      w.CurrentActualPayment(), w.EscrowMonthly(), w.CurrentNextPayment());
        if (!payoff.PaysOff()) {
            ShowNoPayoff(rsReasonNeverPaidOff);
            return;
        }
        w.SetCurrentPayoffDate(payoff.PayoffDate());
        w.SetCurrentAmountLeft(payoff.AmountPaid());
        w.SetCurrentInterestLeft(payoff.Interest());
    } catch (const std::overflow_error&) {
        ShowNoPayoff(0);
    }
}

void CurrentLoanSection::ShowNoPayoff(qint32 reason)
{
    m_window.SetCurrentPayoffDate(0);
    m_window.SetCurrentAmountLeft(Money());
    m_window.SetCurrentInterestLeft(Money());
    ResultReason::Show(m_window.txtCurPayoffDate, reason);
}

void CurrentLoanSection::RefreshFrequencyTexts()
{
    ShowFrequencyText(m_window.cboCurPaymentFrequency, m_window.CurrentFrequencyCode());
    ShowFrequencyText(m_window.cboActPaymentFrequency, m_window.CurrentActualFrequencyCode());
}

void CurrentLoanSection::FillFrequencyLists()
{
    m_window.FillFrequencyList(m_window.cboCurPaymentFrequency);
    m_window.FillFrequencyList(m_window.cboActPaymentFrequency);
}

void CurrentLoanSection::ShowFrequencyText(QComboBox* list, const QString& code)
{
    const PaymentFrequency frequency(code);
    if (!frequency.IsKnown()) {
        list->clear();
        return;
    }
    m_window.FillFrequencyList(list);
    ChoiceList::Select(list, m_window.LoadResString(frequency.NameId()));
}

void CurrentLoanSection::ScheduledFrequencyChosen()
{
    const QString chosen = m_window.cboCurPaymentFrequency->currentText();
    if (chosen != m_window.CurrentFrequency())
        m_window.SetCurrentFrequency(chosen);
    RecalcCurrentPayment();
    RecalcCurrentPayoff();
}

void CurrentLoanSection::ActualFrequencyChosen()
{
    const QString chosen = m_window.cboActPaymentFrequency->currentText();
    if (chosen != m_window.CurrentActualFrequency())
        m_window.SetCurrentActualFrequency(chosen);
    RecalcCurrentPayment();
    RecalcCurrentPayoff();
}

bool CurrentLoanSection::eventFilter(QObject* watched, QEvent* event)
{
    if (ChoiceList::IsOpening(event))
        FillFrequencyLists();
    else if (ChoiceList::IsLeaving(event))
        RecalcCurrentPayment();
    return QObject::eventFilter(watched, event);
}
