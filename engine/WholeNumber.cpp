#include "engine/WholeNumber.h"

#include <cmath>
#include <limits>

std::optional<qint32> RoundedToInt32(double number)
{
    const double whole = std::nearbyint(number);
    if (!std::isfinite(whole) || whole < std::numeric_limits<qint32>::min()
        || whole > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(whole);
}
