#pragma once

#include <string>

#include "core/complex_matrix.h"

namespace selvaris {

// The uncontrolled single-qubit form of a step's gate: the gate with its 2x2
// block copied onto the sibling pair of states that differ in the same bit
// ((0,1) with (2,3), (0,2) with (1,3)), so it acts on one wire whatever the
// other qubit holds. "org_gate" and any other name leave the gate as it is.
ComplexMatrix BuildMergedGate(const ComplexMatrix& gate, const std::string& gateName);

}  // namespace selvaris
