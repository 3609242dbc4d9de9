#pragma once

#include <QtGlobal>

#include <optional>

// A number as a whole 32-bit one: halves go to the even number; nothing
// when the result leaves the 32-bit range or the number is not finite.
std::optional<qint32> RoundedToInt32(double number);
