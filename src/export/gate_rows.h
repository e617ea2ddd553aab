#pragma once

#include "core/complex_matrix.h"
#include "export/factor_gates.h"

namespace selvaris {

// u becomes EmbeddedUnitary(gate) x u, worked out on the rows the gate mixes
// instead of as a 4x4 product. Bit for bit that product while u is finite and
// holds no negative zero, as the identity and every product of it do.
void ApplyGate(const CircuitGate& gate, ComplexMatrix& u);

// e^{i phase} x u, element by element.
ComplexMatrix TurnedBy(double phase, ComplexMatrix u);

}  // namespace selvaris
