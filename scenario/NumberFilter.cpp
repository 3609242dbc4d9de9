#include "scenario/NumberFilter.h"

#include "scenario/FieldFormat.h"

#include <QKeyEvent>
#include <QTimer>

namespace {

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
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

// Each character the field refuses must be one the field showed on entry.
QValidator::State NumberFilter::validate(QString& input, int&) const
{
    QString kept = m_kept;
    QString taken;
    for (const QChar c : input) {
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
    return Acceptable;
}
