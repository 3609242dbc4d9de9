#include "scenario/NumberFilter.h"

#include "model/FieldFormat.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QTimer>

namespace {

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A group separator only where it groups: after a digit and before exactly
// three. A full stop before one or two digits stays a decimal point, so 6.5
// is still six and a half under a region that groups with full stops.
bool GroupsThousandsAt(const QString& text, qsizetype at)
{
    const QString group = QLocale().groupSeparator();
    if (group.size() != 1 || text.at(at) != group.at(0) || at == 0 || !IsDigit(text.at(at - 1)))
        return false;
    qsizetype digits = 0;
    while (at + 1 + digits < text.size() && IsDigit(text.at(at + 1 + digits)))
        ++digits;
    return digits == 3;
}

// What comes along when people copy an amount: the currency sign, blanks
// and the separators between the thousands.
bool CopiedAlong(const QString& text, qsizetype at)
{
    const QChar c = text.at(at);
    return c.category() == QChar::Symbol_Currency || c.isSpace() || GroupsThousandsAt(text, at);
}

} // namespace

NumberFilter::NumberFilter(QObject* parent)
    : QValidator(parent)
{
}

void NumberFilter::SetSeparatorAllowed(bool allowed)
{
    m_separatorAllowed = allowed;
}

void NumberFilter::SetShownOnEntry(const QString& text)
{
    m_kept.clear();
    for (const QChar c : text) {
        if (Taken(c).isNull())
            m_kept += c;
    }
}

void NumberFilter::OnRefused(std::function<void()> refused)
{
    m_refused = std::move(refused);
}

QChar NumberFilter::Taken(QChar typed, bool keypad) const
{
    if (IsDigit(typed))
        return typed;
    if (!m_separatorAllowed)
        return {};
    const QChar separator = FieldFormat::DecimalSeparator();
    const bool decimalKey = typed == QLatin1Char('.') || (keypad && typed == QLatin1Char(','));
    return typed == separator || decimalKey ? separator : QChar();
}

bool NumberFilter::TakesKey(const QKeyEvent& event) const
{
    // Shortcuts such as the clipboard keys pass; a combination with Alt is
    // typing (AltGr arrives as Ctrl+Alt) and goes through the filter.
    const Qt::KeyboardModifiers held =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held && !(held & Qt::AltModifier))
        return true;
    const QChar typed = TypedChar(event);
    return typed.isNull() || !Taken(typed, event.modifiers() & Qt::KeypadModifier).isNull();
}

QChar NumberFilter::TypedChar(const QKeyEvent& event)
{
    const QString typed = event.text();
    if (typed.isEmpty())
        return {};
    const QChar c = typed.at(0);
    if (c.unicode() < 32 || c.unicode() == 127)
        return {};
    return c;
}

bool NumberFilter::eventFilter(QObject* field, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QValidator::eventFilter(field, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!TakesKey(key))
        return true;
    const QChar typed = TypedChar(key);
    const QChar taken = Taken(typed, key.modifiers() & Qt::KeypadModifier);
    if (typed.isNull() || taken == typed)
        return false;
    QKeyEvent separator(key.type(), key.key(), key.modifiers(), QString(taken));
    QCoreApplication::sendEvent(field, &separator);
    return true;
}

// What was copied along with a number is dropped; each other character the
// field refuses must be one the field showed on entry.
QValidator::State NumberFilter::validate(QString& input, int& pos) const
{
    QString kept = m_kept;
    QString taken;
    int takenPos = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (CopiedAlong(input, i)) {
            takenPos -= i < pos ? 1 : 0;
            continue;
        }
        const QChar t = Taken(c);
        if (!t.isNull()) {
            taken += t;
            continue;
        }
        const qsizetype at = kept.indexOf(c);
        if (at < 0) {
            if (m_refused)
                QTimer::singleShot(0, this, m_refused);
            return Invalid;
        }
        kept.remove(at, 1);
        taken += c;
    }
    input = taken;
    pos = takenPos;
    return Acceptable;
}
