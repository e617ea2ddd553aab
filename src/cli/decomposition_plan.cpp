#include "cli/decomposition_plan.h"

#include <algorithm>
#include <sstream>

namespace selvaris {

std::vector<PlanStep> DefaultPlan() {
    std::vector<PlanStep> plan;
    for (const char* cell : {"la30", "la20", "la10", "la21", "la31", "la32"}) plan.push_back({cell, GateSide::Left});
    return plan;
}

std::optional<std::vector<PlanStep>> ParsePlan(const std::string& text) {
    std::vector<PlanStep> plan;
    if (std::count(text.begin(), text.end(), ',') >= static_cast<std::ptrdiff_t>(kMaxPlanSteps)) return std::nullopt;
    std::stringstream items(text);
    std::string item;
    while (std::getline(items, item, ',')) {
        if (item.size() != 5 || (item[4] != 'L' && item[4] != 'R')) return std::nullopt;
        const std::string cell = item.substr(0, 4);
        bool known = false;
        for (const PickableCell& pickable : kPickableCells) known = known || cell == pickable.label;
        if (!known) return std::nullopt;
        plan.push_back({cell, item[4] == 'L' ? GateSide::Left : GateSide::Right});
    }
    if (plan.empty() || text.back() == ',') return std::nullopt;
    return plan;
}

}  // namespace selvaris
