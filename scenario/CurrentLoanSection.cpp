#include "scenario/CurrentLoanSection.h"

#include "app/Loan.h"
#include "engine/DayCount.h"
#include "engine/PaymentFrequency.h"
#include "scenario/ChoiceList.h"
#include "scenario/FieldColour.h"
#include "scenario/FieldFormat.h"
#include "scenario/ResultReason.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QSignalBlocker>

CurrentLoanSection::CurrentLoanSection(Loan& window)
    : m_window(window)
    , m_document(window.Document())
{
    for (QComboBox* list : {window.cboCurPaymentFrequency, window.cboActPaymentFrequency})
        list->installEventFilter(this);
    connect(window.cboCurPaymentFrequency, &QComboBox::activated, this,
            &CurrentLoanSection::ScheduledFrequencyChosen);
    connect(window.cboActPaymentFrequency, &QComboBox::activated, this,
            &CurrentLoanSection::ActualFrequencyChosen);
    connect(&m_document, &LoanDocument::Changed, this, &CurrentLoanSection::Show);
    connect(&m_document, &LoanDocument::CurrentPaymentInputsChecked, this, &CurrentLoanSection::ShowPaymentInputs);
}

void CurrentLoanSection::Show(LoanDocument::Value value)
{
    using Value = LoanDocument::Value;
    Loan& w = m_window;
    const LoanDocument& d = m_document;
    switch (value) {
    case Value::CurrentLoanAmount:
        w.txtCurLoanAmount->ShowValue();
        break;
    case Value::CurrentTerm:
        w.txtCurLoanTerm->ShowValue();
        break;
    case Value::CurrentInterestRate:
        w.txtCurInterestRate->ShowValue();
        break;
    case Value::CurrentBalance:
        w.txtCurrentBalance->ShowValue();
        break;
    case Value::CurrentActualPayment:
        w.txtCurActualPayment->ShowValue();
        break;
    case Value::CurrentNextPayment: {
        // Setting the date the picker already shows would move the user's
        // cursor while the date is typed.
        const QDate date = DayCount::ToDate(d.CurrentNextPayment());
        if (w.dtNextPayment->date() != date) {
            const QSignalBlocker quiet(w.dtNextPayment);
            w.dtNextPayment->setDate(date);
        }
        break;
    }
    case Value::CurrentPayment:
        w.txtCurPayment->setText(FieldFormat::Currency(d.CurrentPayment()));
        break;
    case Value::CurrentAmountLeft:
        w.txtCurAmountLeft->setText(FieldFormat::Currency(d.CurrentAmountLeft()));
        w.txtCurAmountLeft->setToolTip(QString());
        break;
    case Value::CurrentInterestLeft:
        w.txtCurInterestLeft->setText(FieldFormat::Currency(d.CurrentInterestLeft()));
        w.txtCurInterestLeft->setToolTip(QString());
        break;
    case Value::CurrentPayoffDate:
        w.txtCurPayoffDate->setText(FieldFormat::ShortDate(d.CurrentPayoffDate()));
        w.txtCurPayoffDate->setToolTip(QString());
        ResultReason::Show(w.txtCurPayoffDate, d.CurrentPayoffReason());
        break;
    case Value::CurrentFrequency:
        ShowFrequencyText(w.cboCurPaymentFrequency, d.CurrentFrequencyCode());
        break;
    case Value::CurrentActualFrequency:
        ShowFrequencyText(w.cboActPaymentFrequency, d.CurrentActualFrequencyCode());
        break;
    default:
        break;
    }
}

// A current loan with one of the three entered gets both lists to choose from.
void CurrentLoanSection::ShowPaymentInputs()
{
    if (m_document.CurrentLoanAmount() != Money() || m_document.CurrentTerm() != 0
        || m_document.CurrentInterestRate() != 0)
        FillFrequencyLists();
    ShowMissingInputs();
}

// A current loan with none of the three entered lacks nothing.
void CurrentLoanSection::ShowMissingInputs()
{
    const bool noAmount = m_document.CurrentLoanAmount() == Money();
    const bool noTerm = m_document.CurrentTerm() == 0;
    const bool noRate = m_document.CurrentInterestRate() == 0;
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

void CurrentLoanSection::RefreshFrequencyTexts()
{
    ShowFrequencyText(m_window.cboCurPaymentFrequency, m_document.CurrentFrequencyCode());
    ShowFrequencyText(m_window.cboActPaymentFrequency, m_document.CurrentActualFrequencyCode());
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
    ChoiceList::Select(list, frequency.Name([this](qint32 id) { return m_document.LoadResString(id); }));
}

void CurrentLoanSection::ScheduledFrequencyChosen()
{
    const QString chosen = m_window.cboCurPaymentFrequency->currentText();
    if (chosen != m_window.CurrentFrequency())
        m_window.SetCurrentFrequency(chosen);
    m_document.RecalcCurrentPayment();
    m_document.RecalcCurrentPayoff();
}

void CurrentLoanSection::ActualFrequencyChosen()
{
    const QString chosen = m_window.cboActPaymentFrequency->currentText();
    if (chosen != m_window.CurrentActualFrequency())
        m_window.SetCurrentActualFrequency(chosen);
    m_document.RecalcCurrentPayment();
    m_document.RecalcCurrentPayoff();
}

bool CurrentLoanSection::eventFilter(QObject* watched, QEvent* event)
{
    if (ChoiceList::IsOpening(event))
        FillFrequencyLists();
    else if (ChoiceList::IsLeaving(event))
        m_document.RecalcCurrentPayment();
    return QObject::eventFilter(watched, event);
}
