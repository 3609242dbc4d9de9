#pragma once

#include <QDate>

// Dates as the program stores them: a count of days in a double, day 0 being
// 30 December 1899. A day count of 0 means "no date". A fraction, when there
// is one, is a time of day and survives every step.
namespace DayCount {

double FromDate(const QDate& date);
QDate ToDate(double dayCount);
double Today();

inline double AddDays(double dayCount, int days)
{
    return dayCount + days;
}
// Keeps the day of the month, clamped to the last day of a shorter month:
// 31 January plus one month is 28 (or 29) February.
double AddMonths(double dayCount, int months);

} // namespace DayCount
