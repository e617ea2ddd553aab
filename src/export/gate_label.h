#pragma once

#include <string>

#include "export/factor_gates.h"

namespace selvaris {

// The label of a gate's box: "X", "Y", "Z", "H", "S", "S†", "T", "T†", "P(0.785)"
// for a phase, else "U3(θ, φ, λ)" with three decimals, or "U(θ, φ, λ, γ)" when
// a controlled gate carries a phase γ that matters. An uncontrolled gate is
// named up to its global phase, which changes nothing a circuit does.
std::string GateLabel(const CircuitGate& gate);

// True for a CNOT: an X under a closed control.
bool IsCnot(const CircuitGate& gate);

}  // namespace selvaris
