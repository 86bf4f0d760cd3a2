#pragma once

#include <array>

#include "common/WheelTypes.h"

namespace kl {

class Label;
class TextBox;

// One row of the result table: the figure before the change, after it, and its grade.
struct ResultRowBoxes {
    TextBox& before; // Old
    TextBox& after;  // New
    TextBox& grade;  // JG
};

// One wheel's three clearance rows, its inner-side shift and its comment.
struct WheelBoxes {
    std::array<ResultRowBoxes, 3> rows; // pull-in, upper, fore-aft
    TextBox& shift;                     // ZOUKA
    Label& comment;                     // Total_JGCOM

    const ResultRowBoxes& row(ClearanceKind k) const { return rows[indexOf(k)]; }
};

// The four wheels' boxes of one window, FL, FR, RL, RR: what the wheel judgements write into.
using WheelBoxSet = std::array<WheelBoxes, 4>;

} // namespace kl
