#include "scenario/NewLoanSection.h"

#include "app/LoanForm.h"
#include "engine/DayCount.h"
#include "langlib/ResourceIds.h"
#include "scenario/ChoiceList.h"
#include "scenario/FieldColour.h"
#include "model/FieldFormat.h"
#include "model/LoanTypes.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <cmath>

NewLoanSection::NewLoanSection(LoanForm& form, LoanDocument& document)
    : m_form(form)
    , m_document(document)
{
    form.cboLoanType->installEventFilter(this);
    connect(form.cboLoanType, &QComboBox::activated, this, &NewLoanSection::TypeChosen);
    // The calendar is watched once Qt makes it, when it first pops up:
    // making it with the window would only slow the start.
    form.dtFirstPayment->installEventFilter(this);
    connect(form.dtFirstPayment, &QDateEdit::dateChanged, this, &NewLoanSection::FirstPaymentPicked);
    connect(&document, &LoanDocument::Changed, this, &NewLoanSection::Show);
    connect(&document, &LoanDocument::ScenarioApplying, this, &NewLoanSection::FillLoanTypeList);
    connect(&document, &LoanDocument::ScenarioApplied, this, &NewLoanSection::RefreshLoanTypeText);
}

void NewLoanSection::Show(LoanDocument::Value value)
{
    using Value = LoanDocument::Value;
    LoanForm& f = m_form;
    switch (value) {
    case Value::LoanName:
        ChoiceList::ShowText(f.cboLoanName, m_document.LoanName());
        break;
    case Value::LoanType:
        RefreshLoanTypeText();
        break;
    case Value::LoanAmount:
        f.txtLoanAmount->ShowValue();
        break;
    case Value::LoanTerm:
        f.txtLoanTerm->ShowValue();
        break;
    case Value::EscrowTaxes:
        f.txtAnnualTaxes->ShowValue();
        break;
    case Value::EscrowInsurance:
        f.txtAnnualInsurance->ShowValue();
        break;
    case Value::EscrowMonthly:
        f.txtMonthlyEscrow->setText(FieldFormat::Currency(m_document.EscrowMonthly()));
        break;
    case Value::FirstPayment: {
        const double day = m_document.FirstPayment();
        const QDate date = day == 0 ? f.dtFirstPayment->minimumDate() : DayCount::ToDate(day);
        if (f.dtFirstPayment->date() != date) {
            const QSignalBlocker quiet(f.dtFirstPayment);
            f.dtFirstPayment->setDate(date);
        }
        ShowFirstPaymentTip();
        break;
    }
    default:
        break;
    }
}

// The first name added would otherwise be taken for the user's choice.
void NewLoanSection::FillLoanTypeList()
{
    QComboBox* list = m_form.cboLoanType;
    if (list->count() > 0)
        return;
    ChoiceList::Fill(list, LoanTypes::Names(m_document.Texts()));
    ChoiceList::Select(list, LoanTypeName());
}

void NewLoanSection::RefreshLoanTypeText()
{
    if (m_document.LoanTypeCode().isEmpty()) {
        m_form.cboLoanType->clear();
        return;
    }
    FillLoanTypeList();
    ChoiceList::Select(m_form.cboLoanType, LoanTypeName());
}

void NewLoanSection::RefillLoanTypeList()
{
    m_form.cboLoanType->clear();
    FillLoanTypeList();
    RefreshLoanTypeText();
}

QString NewLoanSection::LoanTypeName() const
{
    const int id = LoanTypes::NameId(m_document.LoanTypeCode());
    return id == 0 ? QString() : m_document.LoadResString(id);
}

void NewLoanSection::ChooseLoanType(const QString& name)
{
    m_document.ChooseLoanType(LoanTypes::CodeForName(name, m_document.Texts()));
}

// Choosing the type already shown changes nothing.
void NewLoanSection::TypeChosen()
{
    const QString chosen = m_form.cboLoanType->currentText();
    if (chosen == LoanTypeName())
        return;
    ChooseLoanType(chosen);
}

void NewLoanSection::FirstPaymentPicked()
{
    const QDate date = m_form.dtFirstPayment->date();
    m_document.SetFirstPayment(date == m_form.dtFirstPayment->minimumDate() ? 0 : DayCount::FromDate(date));
    ShowFirstPaymentTip();
}

// A date in the past is a loan that started then; one more than a year
// ahead is more likely a typing slip. Both keep their figures.
void NewLoanSection::ShowFirstPaymentTip()
{
    QDateEdit* field = m_form.dtFirstPayment;
    const double day = m_document.FirstPayment();
    const double today = m_document.Today();
    QString tip = m_document.LoadResString(rsFirstPaymentToolTip);
    const bool far = day != 0 && day > DayCount::AddMonths(today, 12);
    if (far)
        tip += QLatin1Char('\n') + m_document.LoadResString(rsFirstPaymentFar);
    else if (day != 0 && day < std::floor(today))
        tip += QLatin1Char('\n') + m_document.LoadResString(rsFirstPaymentPast);
    field->setToolTip(tip);
    if (far)
        FieldColour::Mark(field, FieldColour::Required);
    else
        FieldColour::Clear(field);
}

// Delete or Backspace over the whole date empties the field.
// An empty date has no day, month or year for Tab to go through: Qt's date
// field would keep the focus on every Tab, and the keyboard could not leave.
bool NewLoanSection::LeaveEmptyFirstPayment(int key)
{
    QDateEdit* field = m_form.dtFirstPayment;
    if ((key != Qt::Key_Tab && key != Qt::Key_Backtab) || field->date() != field->minimumDate())
        return false;
    QWidget* next = field;
    do {
        next = key == Qt::Key_Tab ? next->nextInFocusChain() : next->previousInFocusChain();
    } while (next != field
             && (field->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus) || !next->isVisible()
                 || !next->isEnabled()));
    next->setFocus(key == Qt::Key_Tab ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool NewLoanSection::FirstPaymentKey(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (LeaveEmptyFirstPayment(key))
        return true;
    QDateEdit* field = m_form.dtFirstPayment;
    auto* line = field->findChild<QLineEdit*>();
    if ((key != Qt::Key_Delete && key != Qt::Key_Backspace) || !line || line->selectedText() != line->text())
        return false;
    field->setDate(field->minimumDate());
    return true;
}

// The calendar's popup, the field's only child window, is polished as it
// first shows, before the calendar in it is shown.
void NewLoanSection::WatchNewCalendar(QEvent* event)
{
    if (m_calendar || event->type() != QEvent::ChildPolished)
        return;
    QObject* child = static_cast<QChildEvent*>(event)->child();
    if (!child->isWidgetType() || !static_cast<QWidget*>(child)->isWindow())
        return;
    m_calendar = m_form.dtFirstPayment->calendarWidget();
    m_calendar->installEventFilter(this);
}

bool NewLoanSection::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form.dtFirstPayment) {
        WatchNewCalendar(event);
        return FirstPaymentKey(event) || QObject::eventFilter(watched, event);
    }
    // The calendar of an empty field opens on the current month, not on the
    // empty field's date.
    if (watched == m_calendar) {
        if (event->type() == QEvent::Show && m_form.dtFirstPayment->date() == m_form.dtFirstPayment->minimumDate()) {
            const QDate today = DayCount::ToDate(m_document.Today());
            m_calendar->setCurrentPage(today.year(), today.month());
        }
        return QObject::eventFilter(watched, event);
    }
    if (ChoiceList::IsOpening(event))
        FillLoanTypeList();
    else if (ChoiceList::IsLeaving(event))
        TypeChosen();
    return QObject::eventFilter(watched, event);
}
