#include "engine/DayCount.h"

#include <cmath>

namespace {

const QDate DayZero(1899, 12, 30);

} // namespace

double DayCount::FromDate(const QDate& date)
{
    return static_cast<double>(DayZero.daysTo(date));
}

QDate DayCount::ToDate(double dayCount)
{
    return DayZero.addDays(static_cast<qint64>(std::floor(dayCount)));
}

double DayCount::Today()
{
    return FromDate(QDate::currentDate());
}

double DayCount::AddMonths(double dayCount, int months)
{
    const double timeOfDay = dayCount - std::floor(dayCount);
    return FromDate(ToDate(dayCount).addMonths(months)) + timeOfDay;
}
