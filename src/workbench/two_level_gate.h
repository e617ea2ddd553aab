#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/complex_matrix.h"
#include "core/shared_registers.h"
#include "core/window.h"
#include "workbench/workbench_state.h"

namespace selvaris {

// "_a" gates clear element (p, c) into row q; "_b" gates clear (q, c) into row p.
enum class GateForm { A, B };

struct TwoLevelGateName {
    std::int16_t p;
    std::int16_t q;
    GateForm form;
};

// The six step names "0_1_b", "0_2_b", "1_3_a", "1_3_b", "2_3_a", "2_3_b";
// any other text (including "org_gate") is no two-level gate.
std::optional<TwoLevelGateName> ParseGateName(const std::string& name);

// The two-level gate on states p and q built from the elements a = (p, c) and
// b = (q, c) of target, each part divided by N = sqrt(|a|^2 + |b|^2): the
// identity outside rows and columns p and q. When N is zero or not finite (or
// an index is outside 0..3, or p == q) there is no gate to build and the
// identity is returned, so a degenerate column never turns into NaN.
ComplexMatrix TwoLevelGateA(const ComplexMatrix& target, int p, int q, int c);
ComplexMatrix TwoLevelGateB(const ComplexMatrix& target, int p, int q, int c);

// CurrentTarget = GateMatrix x CurrentTarget.
void ApplyGateToTarget(SharedRegisters& registers, const WorkbenchState& state);

// Hidden box that shows the merged gate when a step re-uses it.
inline constexpr ControlName kReusedGateBox{"t39b", 45};

// Builds GateMatrix from CurrentTarget, applies it and records it in GateHist
// slot StepCount - 1. In single-gate mode nothing is built: the merged gate of
// that slot is copied into GateMatrix exactly as stored, shown in t39b (when
// the window has it), applied, and GateHist is left alone.
// Returns false, changing nothing, when StepCount - 1 is no history slot or an
// index is outside 0..3; also false when the column pair is all zero, in which
// case the identity is applied and recorded so the step still has a gate.
bool BuildGateA(SharedRegisters& registers, WorkbenchState& state, Window& form, std::int16_t p, std::int16_t q,
                std::int16_t c);
bool BuildGateB(SharedRegisters& registers, WorkbenchState& state, Window& form, std::int16_t p, std::int16_t q,
                std::int16_t c);

// Dispatches a step name to its builder with column c ("1_3_a" -> BuildGateA(1, 3, c), ...).
// An unknown name applies no gate and returns false.
bool BuildNamedGate(SharedRegisters& registers, WorkbenchState& state, Window& form, const std::string& name,
                    std::int16_t c);

}  // namespace selvaris
