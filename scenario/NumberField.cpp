#include "scenario/NumberField.h"

#include "app/FocusReturn.h"
#include "app/Language.h"
#include "app/MessageBox.h"
#include "engine/MoneyOverflow.h"
#include "engine/WholeNumber.h"
#include "scenario/FieldFormat.h"
#include "scenario/NumberFilter.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <cmath>
#include <optional>

namespace {

struct Rule
{
    int allowedDecimals;
    const char* pattern;
    bool separatorKey;
};

Rule RuleOf(NumberField::Kind kind)
{
    switch (kind) {
    case NumberField::Kind::Money:
        return {2, " nnnn.nn", true};
    case NumberField::Kind::Rate:
    case NumberField::Kind::Points:
        return {3, " nnnn.nnn", true};
    case NumberField::Kind::Term:
        break;
    }
    return {0, " nnn", false};
}

// A whole number of months from the text's number: halves go to the even
// number; nothing when it leaves the 32-bit range.
std::optional<qint32> Months(double number, bool termInMonths)
{
    return RoundedToInt32(std::nearbyint(number) * (termInMonths ? 1 : 12));
}

} // namespace

NumberField::NumberField(Kind kind, QWidget* parent)
    : QLineEdit(parent)
    , m_kind(kind)
    , m_filter(new NumberFilter(this))
{
    m_filter->OnRefused([this] { Refuse(); });
    const Rule rule = RuleOf(kind);
    SetRule(rule.allowedDecimals, QString::fromLatin1(rule.pattern), rule.separatorKey);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QString NumberField::PatternOf(Kind kind)
{
    return QString::fromLatin1(RuleOf(kind).pattern);
}

void NumberField::SetRule(int allowedDecimals, const QString& pattern, bool separatorKey)
{
    m_allowedDecimals = allowedDecimals;
    m_pattern = pattern;
    m_filter->SetSeparatorAllowed(separatorKey);
}

void NumberField::BindMoney(std::function<Money()> get, std::function<void(Money)> set)
{
    m_text = [get](bool editForm) {
        const Money value = get();
        return editForm ? FieldFormat::GeneralNumber(value.ToDouble()) : FieldFormat::Currency(value);
    };
    m_store = [set](double number) {
        Money value;
        try {
            value = Money::FromDouble(number);
        } catch (const MoneyOverflow&) {
            return false;
        }
        set(value);
        return true;
    };
}

void NumberField::BindNumber(std::function<double()> get, std::function<void(double)> set)
{
    // A rate is held as a fraction and typed as a percentage.
    const double typedPerHeld = m_kind == Kind::Rate ? 100 : 1;
    const bool percent = m_kind == Kind::Rate;
    m_text = [get, typedPerHeld, percent](bool editForm) {
        const double value = get();
        if (editForm)
            return FieldFormat::GeneralNumber(value * typedPerHeld);
        return percent ? FieldFormat::Percent(value) : FieldFormat::Points(value);
    };
    m_store = [set, typedPerHeld](double number) {
        set(number / typedPerHeld);
        return true;
    };
}

void NumberField::BindTerm(std::function<qint32()> get, std::function<void(qint32)> set,
                           std::function<bool()> termInMonths)
{
    m_text = [get, termInMonths](bool) {
        const qint32 months = get();
        return FieldFormat::GeneralNumber(termInMonths() ? months : months / 12.0);
    };
    m_store = [set, termInMonths](double number) {
        const std::optional<qint32> months = Months(number, termInMonths());
        if (!months)
            return false;
        set(*months);
        return true;
    };
}

// What the program writes is not filtered; what it wrote stays editable.
void NumberField::ShowValue()
{
    if (!m_text)
        return;
    Filter(false);
    setText(m_text(m_editing));
    m_filter->SetShownOnEntry(text());
    Filter(m_editing);
}

QString NumberField::DisplayText() const
{
    return m_text ? m_text(false) : text();
}

// Only while the user edits the plain number: the display form holds
// currency signs and group separators.
void NumberField::Filter(bool on)
{
    setValidator(on ? m_filter : nullptr);
}

void NumberField::EnterEdit()
{
    m_editing = true;
    ShowValue();
    m_shownOnEntry = text();
    selectAll();
}

bool NumberField::CommitEdit()
{
    if (FollowsRule() && Store())
        return true;
    Refuse();
    return false;
}

void NumberField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (m_editing)
        return;
    EnterEdit();
    m_selectOnRelease = event->reason() == Qt::MouseFocusReason;
}

// Qt cannot cancel a focus move, but it gives the focus-in to the new widget
// only if the focus is still there after this handler: taking the focus back
// here keeps it in the field as if the move had never happened.
void NumberField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!m_editing || m_refusing)
        return;
    if (FocusReturn::IsLeavingTheWindow(event))
        m_focusReturn.Await(this, [this] {
            if (m_editing && !m_refusing)
                Leave();
        });
    else
        Leave();
}

// The number rule checks what the user typed. A value the program itself
// showed may carry more decimals than the rule allows (a term of 31 months
// is 2.58333333333333 years, a loaded rate may have five decimals); refusing
// it would hold the user in a field they never changed.
bool NumberField::FollowsRule() const
{
    return text() == m_shownOnEntry || FieldFormat::IsValidNumber(text(), m_allowedDecimals);
}

void NumberField::Leave()
{
    if (!FollowsRule()) {
        Refuse();
        return;
    }
    m_editing = false;
    Filter(false);
    if (!Store()) {
        m_editing = true;
        Filter(true);
        Refuse();
    }
}

void NumberField::keyPressEvent(QKeyEvent* event)
{
    if (!m_filter->TakesKey(*event)) {
        event->accept();
        return;
    }
    const QChar typed = NumberFilter::TypedChar(*event);
    const QChar taken = m_filter->Taken(typed, event->modifiers() & Qt::KeypadModifier);
    if (typed.isNull() || taken == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent separator(event->type(), event->key(), event->modifiers(), QString(taken));
    QLineEdit::keyPressEvent(&separator);
    event->accept();
}

// The click that brought the focus would otherwise undo the selection.
void NumberField::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (m_selectOnRelease && !hasSelectedText())
        selectAll();
    m_selectOnRelease = false;
}

bool NumberField::Store()
{
    if (!m_store)
        return true;
    const QString typed = text();
    if (typed.isEmpty())
        return m_store(0);
    const std::optional<double> number = FieldFormat::ToNumber(typed);
    return number && m_store(*number);
}

void NumberField::Refuse()
{
    m_refusing = true;
    setFocus(Qt::OtherFocusReason);
    MessageBox::Ok(Language::LoadResString(rsNotNumeric) + m_pattern);
    selectAll();
    m_refusing = false;
}
