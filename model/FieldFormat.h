#pragma once

#include "engine/Money.h"

#include <QChar>
#include <QString>

#include <optional>

// The display formats of the window's fields and the number rule of their
// edit form, after the user's regional settings (QLocale()). A value of 0 is
// never shown: every format gives empty text for it.
class FieldFormat
{
public:
    // Fixed once when the main window loads: the second character of 1.2 in
    // "general number". The key filter and the number rule use it from then on.
    static void FixDecimalSeparator();
    static QChar DecimalSeparator();

    // "general number": no thousands separator, as many decimals as needed
    // (up to fifteen significant digits).
    static QString GeneralNumber(double value);
    // "currency": the regional currency format.
    static QString Currency(Money value);
    // The amount as "currency" rounds it, with two decimals after a full
    // stop and no sign or groups: what a spreadsheet reads whatever its
    // regional settings. Unlike the display formats, 0 gives "0.00".
    static QString PlainCents(Money value);
    // "#.000%": the fraction times 100, three decimals, no digit before the
    // separator below one percent.
    static QString Percent(double fraction);
    // "#.000": three decimals, no digit before the separator below one.
    static QString Points(double value);
    // "short date", always with a four-digit year; the day count as DayCount.
    static QString ShortDate(double dayCount);
    static QString ShortDateFormat();

    // The number rule of a field allowing the given count of decimals.
    static bool IsValidNumber(const QString& text, int allowedDecimals);
    // The regional number conversion; nothing when the text is no number.
    static std::optional<double> ToNumber(const QString& text);

private:
    static QString ThreeDecimals(double value);
    static double Cents(Money value);
};
