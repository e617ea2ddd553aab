#pragma once

#include <vector>

#include "export/factor_gates.h"

namespace selvaris {

// The gates in CNOTs and single-qubit gates: cu1 and cu3 become two cx each,
// as qelib1.inc defines them (the control's phase as u1 on the control), and
// every other gate stays as it is. The product is exactly the same unitary.
std::vector<QasmGate> InCxBasis(const std::vector<QasmGate>& gates);

// The gate as a picture shows it (no factor set).
CircuitGate DrawnGate(const QasmGate& gate);

}  // namespace selvaris
