#pragma once

#include <stdexcept>

// A figure beyond what the program can count shows as no figure (an empty
// result) rather than stopping the program: read's value, or a default one
// when read overflows, which *overflowed then records.
template <typename Read>
auto NothingOnOverflow(Read read, bool* overflowed = nullptr) -> decltype(read())
{
    try {
        return read();
    } catch (const std::overflow_error&) {
        if (overflowed)
            *overflowed = true;
        return decltype(read())();
    }
}
