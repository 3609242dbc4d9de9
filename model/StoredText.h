#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Numbers and dates as a scenario stores them, read back on a machine that
// may have other regional settings: numbers as regional "general number"
// text, dates as ISO 8601 (yyyy-MM-dd), which reads the same in every region.
//
// Reading a number tries the regional conversion first, refusing thousands
// separators, which "general number" never writes. When that fails the text
// is read in the form every locale's "general number" shares: any decimal
// digits, an optional sign, and at most one separator, which may be a full
// stop, a comma or the Arabic decimal separator and is taken as the decimal
// separator whatever the locale, since no thousands separator can be there.
// So 6,5 saved with a comma locale reads as 6.5 under a full-stop locale and
// 1.234 saved with a full-stop locale stays 1.234 under a comma locale.
//
// Reading a date tries ISO 8601 first, then the regional short date that
// scenarios saved by earlier versions hold. Otherwise the text must
// be three groups of digits (no letters), read as year, month and day when
// the first group has three or more digits; as day, month and year when the
// year comes last and full stops separate the groups (every locale writing
// dates with full stops puts the day first); else in the order of the
// regional short date. When that gives no valid date, day and month are
// swapped. A year of one or two digits is put in the hundred years from 80
// years before to 19 years after the current year.
class StoredText
{
public:
    // "general number"; 0 is written as the digit zero, never as empty text.
    static QString FromNumber(double value);
    // yyyy-MM-dd; empty for day 0.
    static QString FromDate(double dayCount);

    // Empty text is 0; nothing when the text is no number.
    static std::optional<double> ToNumber(const QString& text);
    // A day count; empty text is day 0; nothing when the text is no date.
    static std::optional<double> ToDate(const QString& text);

    // The year within the window around thisYear ending in twoDigitYear.
    static int ExpandYear(int twoDigitYear, int thisYear);

private:
    static std::optional<double> PortableNumber(const QString& text);
    static std::optional<QDate> NumericDate(const QString& text);
};
