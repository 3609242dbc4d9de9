#include "print/WrapText.h"

#include "print/ReportSurface.h"

#include <algorithm>

namespace {

QString WithoutLeadingBlanks(const QString& text)
{
    qsizetype blanks = 0;
    while (blanks < text.size() && text[blanks] == QLatin1Char(' '))
        ++blanks;
    return text.mid(blanks);
}

bool IsBreakPoint(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('-');
}

// Where a line that overflows at position i ends: after a hyphen, before a
// blank, or before the overflowing character, but never before the line's
// first character, so that every line takes at least one.
qsizetype LineEnd(const QString& rest, qsizetype i, qsizetype breakPoint)
{
    if (breakPoint < 0)
        return std::max<qsizetype>(i, 1);
    return rest[breakPoint] == QLatin1Char('-') ? breakPoint + 1 : breakPoint;
}

} // namespace

QString WrapText(ReportSurface& surface, const QString& text, double wrapWidth)
{
    QString result;
    QString rest = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    qsizetype i = 0;
    qsizetype breakPoint = -1;
    while (i < rest.size()) {
        if (rest[i] == QLatin1Char('\n')) {
            result += rest.left(i + 1);
            rest = WithoutLeadingBlanks(rest.mid(i + 1));
            i = 0;
            breakPoint = -1;
            continue;
        }
        // A blank at the line's start would leave an empty line.
        if (IsBreakPoint(rest[i]) && (i > 0 || rest[i] == QLatin1Char('-')))
            breakPoint = i;
        if (surface.TextWidth(rest.left(i + 1)) <= wrapWidth) {
            ++i;
            continue;
        }
        const qsizetype end = LineEnd(rest, i, breakPoint);
        result += rest.left(end);
        rest = WithoutLeadingBlanks(rest.mid(end));
        // Nothing left to go on a new line: no empty last line.
        if (!rest.isEmpty())
            result += QLatin1Char('\n');
        i = 0;
        breakPoint = -1;
    }
    return result + rest;
}
