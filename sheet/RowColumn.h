#pragma once

#include "langlib/ResourceIds.h"

#include <array>
#include <cstddef>

// One column of a quote row, in the order the row's fields stand from left
// to right: its planned width, whether the user types into it (Tab visits
// the input columns in this order), its tooltip, and how the Up and Down
// arrows take the focus to the same field of the row above or below.
struct RowColumn
{
    enum class Arrow { Stays, OnPress, OnRelease };

    int Twips;
    bool Input;
    ResStringID TipId;
    Arrow Moves;

    static constexpr std::size_t Count = 11;
    static const std::array<RowColumn, Count>& All();
};
