#include "scenario/NumberField.h"

#include "app/FocusReturn.h"
#include "app/Language.h"
#include "app/MessageBox.h"
#include "engine/MoneyOverflow.h"
#include "engine/WholeNumber.h"
#include "model/FieldFormat.h"
#include "scenario/NumberFilter.h"

#include <QFocusEvent>

#include <optional>

namespace {

struct KindRule
{
    int allowedDecimals;
    const char* pattern;
    bool separatorKey;
};

// Three decimals of a year are finer than a month, so any count of months
// can be typed in years and read back to itself.
constexpr KindRule TermInYears{3, " nnnn.nnn", true};

KindRule RuleOf(NumberField::Kind kind)
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
// number; nothing when it leaves the 32-bit range. Years are turned into
// months before rounding, so 5.5 years is 66 months and a term shown as
// 2.58333333333333 years reads back to its 31 months.
std::optional<qint32> Months(double number, bool termInMonths)
{
    return RoundedToInt32(termInMonths ? number : number * 12);
}

} // namespace

NumberField::NumberField(Kind kind, QWidget* parent)
    : QLineEdit(parent)
    , m_kind(kind)
    , m_filter(new NumberFilter(this))
{
    m_filter->OnRefused([this] { Refuse(); });
    installEventFilter(m_filter);
    const KindRule rule = RuleOf(kind);
    SetRule(rule.allowedDecimals, QString::fromLatin1(rule.pattern), rule.separatorKey);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QString NumberField::PatternOf(Kind kind)
{
    return QString::fromLatin1(RuleOf(kind).pattern);
}

void NumberField::SetRule(int allowedDecimals, const QString& pattern, bool separatorKey)
{
    m_rule = {allowedDecimals, pattern, separatorKey};
}

NumberField::Rule NumberField::ActiveRule() const
{
    if (m_termInYears && m_termInYears())
        return {TermInYears.allowedDecimals, QString::fromLatin1(TermInYears.pattern), TermInYears.separatorKey};
    return m_rule;
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
    m_termInYears = [termInMonths] { return !termInMonths(); };
}

// What the program writes is not filtered; what it wrote stays editable.
void NumberField::ShowValue()
{
    if (!m_text)
        return;
    Filter(false);
    setText(m_text(m_editing));
    m_filter->SetShownOnEntry(text());
    if (m_editing)
        m_shownOnEntry = text();
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

// The unit of a term may have changed since the field was last entered.
void NumberField::EnterEdit()
{
    m_editing = true;
    m_filter->SetSeparatorAllowed(ActiveRule().separatorKey);
    ShowValue();
    selectAll();
}

bool NumberField::CommitEdit()
{
    if (Unchanged())
        return true;
    if (!FollowsRule()) {
        Refuse();
        return false;
    }
    const Stored stored = Store();
    if (stored == Stored::Yes)
        return true;
    Refuse(stored);
    return false;
}

// The edit form shows fifteen digits, and a rate times 100: read back, it
// may land beside the value it came from. A text the user did not change
// is therefore never read back, and the value stays exactly as it was.
bool NumberField::Unchanged() const
{
    return m_editing && text() == m_shownOnEntry;
}

// What the user typed, against the field's number rule.
bool NumberField::FollowsRule() const
{
    return FieldFormat::IsValidNumber(text(), AllowedDecimals());
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
// is 2.58333333333333 years, a loaded rate may have five decimals); it is
// neither checked nor stored, so passing through the field changes nothing.
void NumberField::Leave()
{
    if (Unchanged()) {
        m_editing = false;
        ShowValue();
        return;
    }
    if (!FollowsRule()) {
        Refuse();
        return;
    }
    m_editing = false;
    Filter(false);
    const Stored stored = Store();
    if (stored != Stored::Yes) {
        m_editing = true;
        Filter(true);
        Refuse(stored);
    }
}

// The click that brought the focus would otherwise undo the selection.
void NumberField::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (m_selectOnRelease && !hasSelectedText())
        selectAll();
    m_selectOnRelease = false;
}

NumberField::Stored NumberField::Store()
{
    if (!m_store)
        return Stored::Yes;
    const QString typed = text();
    const std::optional<double> number = typed.isEmpty() ? 0.0 : FieldFormat::ToNumber(typed);
    if (!number)
        return Stored::NoNumber;
    return m_store(*number) ? Stored::Yes : Stored::TooLarge;
}

void NumberField::Refuse()
{
    Refuse(Language::LoadResString(rsNotNumeric) + Pattern());
}

// A number the property cannot hold is no fault of its form, so the form
// is not what the message names.
void NumberField::Refuse(Stored why)
{
    if (why == Stored::TooLarge)
        Refuse(Language::LoadResString(rsNumberTooLarge));
    else
        Refuse();
}

void NumberField::Refuse(const QString& message)
{
    m_refusing = true;
    setFocus(Qt::OtherFocusReason);
    MessageBox::Ok(message);
    selectAll();
    m_refusing = false;
}
