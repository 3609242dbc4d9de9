#include "engine/MoneyOverflow.h"

MoneyOverflow::MoneyOverflow()
    : std::overflow_error("amount beyond the range of money")
{
}
