#pragma once

#include <string>
#include <string_view>

#include "core/complex_matrix.h"
#include "export/circuit.h"

namespace selvaris {

// BuildCircuit(decomposition, CircuitParts::ErrorOnly): the factors are
// multiplied out as they are found, and none of their gates is kept.
Circuit ErrorOnlyCircuit(const Decomposition& decomposition);

// The line of Circuit::problems for a factor, e.g. "因子 2（0_1_b）：零行列です。".
std::string FactorProblem(const Decomposition& decomposition, std::size_t index, std::string_view refusal);

// Sets phase, error and exact from the sum of the factors' phases and the
// product of the circuit's gates, last factor first, before the global phase.
void SetPhaseAndError(Circuit& circuit, double phaseSum, const ComplexMatrix& product, const ComplexMatrix& target);

}  // namespace selvaris
