#include "app/Clock.h"

#include "engine/DayCount.h"

namespace {

QDate& FixedToday()
{
    static QDate today;
    return today;
}

} // namespace

double Clock::Today()
{
    return FixedToday().isValid() ? DayCount::FromDate(FixedToday()) : DayCount::Today();
}

void Clock::Set(const QDate& today)
{
    FixedToday() = today;
}

void Clock::Reset()
{
    FixedToday() = QDate();
}
