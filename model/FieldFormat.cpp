#include "model/FieldFormat.h"

#include "engine/DayCount.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int SignificantDigits = 15;

QChar& FixedSeparator()
{
    static QChar separator = QLatin1Char('.');
    return separator;
}

QLocale Regional()
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

// A date format whose year is shorter than four digits reads back into the
// wrong century ("12/1/26" as 1926), so every year field gets four digits.
QString WithFourDigitYear(const QString& format)
{
    QString result;
    bool quoted = false;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('y')) {
            result += c;
            continue;
        }
        while (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('y'))
            ++i;
        result += QStringLiteral("yyyy");
    }
    return result;
}

} // namespace

void FieldFormat::FixDecimalSeparator()
{
    FixedSeparator() = GeneralNumber(1.2).at(1);
}

QChar FieldFormat::DecimalSeparator()
{
    return FixedSeparator();
}

QString FieldFormat::GeneralNumber(double value)
{
    if (value == 0)
        return {};
    const QLocale locale = Regional();
    // Fifteen significant digits however small the value: a cap on the
    // decimals would show a tiny value as 0, and leaving the field would then
    // store 0.
    const int wholeDigits = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    const int decimals = std::max(0, SignificantDigits - wholeDigits);
    QString text = locale.toString(value, 'f', decimals);
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        const QString zero = locale.zeroDigit();
        while (text.endsWith(zero))
            text.chop(zero.size());
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

QString FieldFormat::Currency(Money value)
{
    if (value.Raw() == 0)
        return {};
    return QLocale().toCurrencyString(Cents(value));
}

QString FieldFormat::PlainCents(Money value)
{
    return QString::number(Cents(value), 'f', 2);
}

// Less than half a cent either way shows as zero, never as a negative zero.
double FieldFormat::Cents(Money value)
{
    constexpr qint64 HalfCent = 50;
    return std::abs(value.Raw()) < HalfCent ? 0.0 : value.ToDouble();
}

QString FieldFormat::Percent(double fraction)
{
    if (fraction == 0)
        return {};
    return ThreeDecimals(fraction * 100) + QLatin1Char('%');
}

QString FieldFormat::Points(double value)
{
    if (value == 0)
        return {};
    return ThreeDecimals(value);
}

QString FieldFormat::ShortDate(double dayCount)
{
    if (dayCount == 0)
        return {};
    return QLocale().toString(DayCount::ToDate(dayCount), ShortDateFormat());
}

QString FieldFormat::ShortDateFormat()
{
    return WithFourDigitYear(QLocale().dateFormat(QLocale::ShortFormat));
}

bool FieldFormat::IsValidNumber(const QString& text, int allowedDecimals)
{
    const QChar separator = DecimalSeparator();
    const int separatorAt = text.indexOf(separator);
    int decimals = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            if (separatorAt >= 0 && i > separatorAt && ++decimals > allowedDecimals)
                return false;
        } else if (c == QLatin1Char('-') || c == QLatin1Char('+')) {
            if (i != 0)
                return false;
        } else if (c == separator) {
            if (allowedDecimals < 1 || i > separatorAt)
                return false;
        } else {
            return false;
        }
    }
    return true;
}

std::optional<double> FieldFormat::ToNumber(const QString& text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString FieldFormat::ThreeDecimals(double value)
{
    const QLocale locale = Regional();
    QString text = locale.toString(std::fabs(value), 'f', 3);
    if (text.startsWith(locale.zeroDigit() + locale.decimalPoint()))
        text.remove(0, locale.zeroDigit().size());
    return value < 0 ? locale.negativeSign() + text : text;
}
