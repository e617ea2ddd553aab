#pragma once

#include <optional>
#include <string>
#include <vector>

#include "workbench/form1.h"

namespace selvaris {

// One step of a plan: the cell to pick and the gate to choose for it.
struct PlanStep {
    std::string cell;  // "la30"
    GateSide side;
};

// la30 L, la20 L, la10 L, la21 L, la31 L, la32 L: clears the column below the
// diagonal from the bottom up, one column after the other.
std::vector<PlanStep> DefaultPlan();

// The longest plan taken; a longer one is refused before any step, so the
// time a plan costs stays bounded.
inline constexpr std::size_t kMaxPlanSteps = 1000;

// "la30L,la20R,...": the six pickable cells, each followed by L or R, at most
// kMaxPlanSteps of them. Nothing for any other text.
std::optional<std::vector<PlanStep>> ParsePlan(const std::string& text);

}  // namespace selvaris
