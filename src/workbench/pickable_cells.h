#pragma once

#include <cstdint>
#include <optional>

#include "core/control_name.h"

namespace selvaris {

// One of the six cells below the diagonal that a step can clear, with the two
// gates offered for it: each acts on a pair of basis states that differ in one bit.
struct PickableCell {
    ControlName label;  // "la10", with a slot after those of the other controls
    std::int16_t code;   // 4 * row + column
    std::int16_t column;
    const char* leftName;  // gate shown in the L grid
    int leftP, leftQ;
    const char* rightName;  // gate shown in the R grid
    int rightP, rightQ;
};

inline constexpr PickableCell kPickableCells[] = {
    {{"la10", 46}, 4, 0, "0_1_b", 0, 1, "1_3_a", 1, 3},  {{"la20", 47}, 8, 0, "0_2_b", 0, 2, "2_3_a", 2, 3},
    {{"la21", 48}, 9, 1, "2_3_a", 2, 3, "0_2_b", 0, 2},  {{"la30", 49}, 12, 0, "2_3_b", 2, 3, "1_3_b", 1, 3},
    {{"la31", 50}, 13, 1, "1_3_b", 1, 3, "2_3_b", 2, 3}, {{"la32", 51}, 14, 2, "2_3_b", 2, 3, "1_3_b", 1, 3},
};

// The standard plan, each cell cleared with its L gate: column by column, from
// the bottom row up. A step never refills a cell the plan has already cleared.
inline constexpr std::int16_t kStandardPlan[] = {12, 8, 4, 9, 13, 14};

inline std::optional<PickableCell> PickableCellOfCode(std::int16_t code) {
    for (const PickableCell& cell : kPickableCells)
        if (cell.code == code) return cell;
    return std::nullopt;
}

}  // namespace selvaris
