#pragma once

#include <stdexcept>

// Raised when an amount would leave the range of Money; the engine never lets
// a figure wrap around silently.
class MoneyOverflow : public std::overflow_error
{
public:
    MoneyOverflow();
};
