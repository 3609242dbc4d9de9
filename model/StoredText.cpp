#include "model/StoredText.h"

#include "engine/DayCount.h"
#include "model/FieldFormat.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int YearsAhead = 19;
constexpr qsizetype MaxDateGroupDigits = 4;

// Where the regional short date puts the year, and whether the day comes
// before the month.
struct DateOrder
{
    bool yearFirst;
    bool dayBeforeMonth;
};

DateOrder RegionalOrder()
{
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    qsizetype day = format.size();
    qsizetype month = format.size();
    qsizetype year = format.size();
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == QLatin1Char('d'))
            day = std::min(day, i);
        else if (c == QLatin1Char('M'))
            month = std::min(month, i);
        else if (c == QLatin1Char('y'))
            year = std::min(year, i);
    }
    return {year < day && year < month, day < month};
}

QLatin1Char AsciiDigit(QChar digit)
{
    return QLatin1Char(char('0' + digit.digitValue()));
}

// Direction marks that some locales put around signs and date separators.
bool IsFormatMark(QChar c)
{
    return c.category() == QChar::Other_Format;
}

} // namespace

QString StoredText::FromNumber(double value)
{
    const QString text = FieldFormat::GeneralNumber(value);
    return text.isEmpty() ? QLocale().zeroDigit() : text;
}

QString StoredText::FromDate(double dayCount)
{
    if (dayCount == 0)
        return QString();
    return DayCount::ToDate(dayCount).toString(Qt::ISODate);
}

std::optional<double> StoredText::ToNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0.0;
    QLocale regional;
    regional.setNumberOptions(regional.numberOptions() | QLocale::RejectGroupSeparator);
    bool converted = false;
    const double value = regional.toDouble(trimmed, &converted);
    if (converted && std::isfinite(value))
        return value;
    return PortableNumber(trimmed);
}

std::optional<double> StoredText::ToDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0.0;
    static const QRegularExpression iso(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    QDate date = iso.match(trimmed).hasMatch() ? QDate::fromString(trimmed, Qt::ISODate) : QDate();
    if (!date.isValid())
        date = QLocale().toDate(trimmed, FieldFormat::ShortDateFormat());
    if (!date.isValid())
        date = NumericDate(trimmed).value_or(QDate());
    if (!date.isValid())
        return std::nullopt;
    return DayCount::FromDate(date);
}

int StoredText::ExpandYear(int twoDigitYear, int thisYear)
{
    const int latest = thisYear + YearsAhead;
    return latest - ((latest - twoDigitYear) % 100 + 100) % 100;
}

std::optional<double> StoredText::PortableNumber(const QString& text)
{
    static const QRegularExpression shape(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)(e[+-]?[0-9]+)?$"));
    QString plain;
    for (const QChar c : text) {
        if (IsFormatMark(c))
            continue;
        if (c.isDigit())
            plain += AsciiDigit(c);
        else if (c == u'.' || c == u',' || c == u'\u066B')
            plain += QLatin1Char('.');
        else if (c == u'-' || c == u'\u2212')
            plain += QLatin1Char('-');
        else if (c == u'+')
            plain += QLatin1Char('+');
        else if (c == u'e' || c == u'E')
            plain += QLatin1Char('e');
        else
            return std::nullopt;
    }
    if (!shape.match(plain).hasMatch())
        return std::nullopt;
    bool converted = false;
    const double value = QLocale::c().toDouble(plain, &converted);
    if (!converted || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<QDate> StoredText::NumericDate(const QString& text)
{
    QStringList groups;
    QString group;
    QString firstSeparator;
    for (const QChar c : text) {
        if (c.isLetter())
            return std::nullopt;
        if (c.isDigit()) {
            group += AsciiDigit(c);
            continue;
        }
        if (!group.isEmpty())
            groups.append(std::exchange(group, QString()));
        if (groups.size() == 1 && !c.isSpace() && !IsFormatMark(c))
            firstSeparator += c;
    }
    if (!group.isEmpty())
        groups.append(group);
    if (groups.size() != 3
        || std::any_of(groups.begin(), groups.end(),
                       [](const QString& digits) { return digits.size() > MaxDateGroupDigits; }))
        return std::nullopt;

    const DateOrder regional = RegionalOrder();
    const bool yearFirst = groups[0].size() > 2 || (groups[2].size() <= 2 && regional.yearFirst);
    const QString& yearText = yearFirst ? groups[0] : groups[2];
    const QString& first = yearFirst ? groups[1] : groups[0];
    const QString& second = yearFirst ? groups[2] : groups[1];
    const bool dayFirst =
        !yearFirst && (firstSeparator == QLatin1String(".") || regional.dayBeforeMonth);

    int year = yearText.toInt();
    if (yearText.size() <= 2)
        year = ExpandYear(year, QDate::currentDate().year());
    const int day = (dayFirst ? first : second).toInt();
    const int month = (dayFirst ? second : first).toInt();
    QDate date(year, month, day);
    if (!date.isValid())
        date = QDate(year, day, month);
    if (!date.isValid())
        return std::nullopt;
    return date;
}
