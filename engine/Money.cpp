#include "engine/Money.h"

#include "engine/MoneyOverflow.h"

#include <cmath>
#include <limits>

namespace {

constexpr qint64 Largest = std::numeric_limits<qint64>::max();
constexpr qint64 Smallest = std::numeric_limits<qint64>::min();
constexpr qint64 UnitsPerCent = 100;

// 2^63 is exact as a double; every double below it in magnitude fits.
constexpr double RangeLimit = 9223372036854775808.0;

// std::nearbyint rounds in the current mode, which is to nearest with ties to
// even unless someone changes it; this is the rounding money is defined by.
qint64 RoundToWhole(double value)
{
    const double whole = std::nearbyint(value);
    if (!(whole >= -RangeLimit && whole < RangeLimit))
        throw MoneyOverflow();
    return static_cast<qint64>(whole);
}

} // namespace

Money Money::FromDouble(double value)
{
    return Money(RoundToWhole(value * UnitsPerMoney));
}

Money Money::FromDoubleToCents(double value)
{
    const qint64 cents = RoundToWhole(value * 100.0);
    if (cents > Largest / UnitsPerCent || cents < Smallest / UnitsPerCent)
        throw MoneyOverflow();
    return Money(cents * UnitsPerCent);
}

void Money::Overflow()
{
    throw MoneyOverflow();
}
