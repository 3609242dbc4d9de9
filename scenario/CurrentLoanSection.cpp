#include "scenario/CurrentLoanSection.h"

#include "app/LoanForm.h"
#include "engine/DayCount.h"
#include "engine/PaymentFrequency.h"
#include "scenario/ChoiceList.h"
#include "scenario/FieldColour.h"
#include "model/FieldFormat.h"
#include "scenario/ResultReason.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QSignalBlocker>

CurrentLoanSection::CurrentLoanSection(LoanForm& form, LoanDocument& document)
    : m_form(form)
    , m_document(document)
{
    for (QComboBox* list : {form.cboCurPaymentFrequency, form.cboActPaymentFrequency})
        list->installEventFilter(this);
    connect(form.cboCurPaymentFrequency, &QComboBox::activated, this,
            &CurrentLoanSection::ScheduledFrequencyChosen);
    connect(form.cboActPaymentFrequency, &QComboBox::activated, this,
            &CurrentLoanSection::ActualFrequencyChosen);
    connect(form.dtNextPayment, &QDateEdit::dateChanged, this, &CurrentLoanSection::NextPaymentPicked);
    connect(&document, &LoanDocument::Changed, this, &CurrentLoanSection::Show);
    connect(&document, &LoanDocument::CurrentPaymentInputsChecked, this, &CurrentLoanSection::ShowPaymentInputs);
    connect(&document, &LoanDocument::ScenarioApplying, this, &CurrentLoanSection::FillFrequencyLists);
    connect(&document, &LoanDocument::ScenarioApplied, this, [this] {
        RefreshFrequencyTexts();
        ShowMissingInputs();
    });
    connect(&document, &LoanDocument::Cleared, this, &CurrentLoanSection::ClearFrequencyLists);
}

void CurrentLoanSection::Show(LoanDocument::Value value)
{
    using Value = LoanDocument::Value;
    LoanForm& w = m_form;
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
    show(m_form.txtCurLoanAmount, noAmount);
    show(m_form.txtCurLoanTerm, noTerm);
    show(m_form.txtCurInterestRate, noRate);
}

void CurrentLoanSection::RefreshFrequencyTexts()
{
    ShowFrequencyText(m_form.cboCurPaymentFrequency, m_document.CurrentFrequencyCode());
    ShowFrequencyText(m_form.cboActPaymentFrequency, m_document.CurrentActualFrequencyCode());
}

void CurrentLoanSection::RefillFrequencyLists()
{
    ClearFrequencyLists();
    FillFrequencyLists();
    RefreshFrequencyTexts();
}

void CurrentLoanSection::FillFrequencyLists()
{
    const QStringList names = PaymentFrequency::Names(m_document.Texts());
    ChoiceList::Fill(m_form.cboCurPaymentFrequency, names);
    ChoiceList::Fill(m_form.cboActPaymentFrequency, names);
}

void CurrentLoanSection::ClearFrequencyLists()
{
    m_form.cboCurPaymentFrequency->clear();
    m_form.cboActPaymentFrequency->clear();
}

void CurrentLoanSection::ShowFrequencyText(QComboBox* list, const QString& code)
{
    const PaymentFrequency frequency(code);
    if (!frequency.IsKnown()) {
        list->clear();
        return;
    }
    ChoiceList::Fill(list, PaymentFrequency::Names(m_document.Texts()));
    ChoiceList::Select(list, frequency.Name(m_document.Texts()));
}

QString CurrentLoanSection::FrequencyName() const
{
    return PaymentFrequency(m_document.CurrentFrequencyCode()).Name(m_document.Texts());
}

void CurrentLoanSection::ChooseFrequency(const QString& name)
{
    m_document.SetCurrentFrequencyCode(PaymentFrequency::CodeForName(name, m_document.Texts()));
}

QString CurrentLoanSection::ActualFrequencyName() const
{
    return PaymentFrequency(m_document.CurrentActualFrequencyCode()).Name(m_document.Texts());
}

void CurrentLoanSection::ChooseActualFrequency(const QString& name)
{
    m_document.SetCurrentActualFrequencyCode(
        PaymentFrequency::CodeForName(name, m_document.Texts()));
}

void CurrentLoanSection::ScheduledFrequencyChosen()
{
    const QString chosen = m_form.cboCurPaymentFrequency->currentText();
    if (chosen != FrequencyName())
        ChooseFrequency(chosen);
    m_document.RecalcCurrentPayment();
    m_document.RecalcCurrentPayoff();
}

void CurrentLoanSection::ActualFrequencyChosen()
{
    const QString chosen = m_form.cboActPaymentFrequency->currentText();
    if (chosen != ActualFrequencyName())
        ChooseActualFrequency(chosen);
    m_document.RecalcCurrentPayment();
    m_document.RecalcCurrentPayoff();
}

// Both ways of changing the picker's date end here.
void CurrentLoanSection::NextPaymentPicked()
{
    m_document.SetCurrentNextPayment(DayCount::FromDate(m_form.dtNextPayment->date()));
}

bool CurrentLoanSection::eventFilter(QObject* watched, QEvent* event)
{
    if (ChoiceList::IsOpening(event))
        FillFrequencyLists();
    else if (ChoiceList::IsLeaving(event))
        m_document.RecalcCurrentPayment();
    return QObject::eventFilter(watched, event);
}
