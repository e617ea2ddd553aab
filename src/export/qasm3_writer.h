#pragma once

#include <string>

#include "export/circuit.h"
#include "export/decomposition.h"

namespace selvaris {

// The circuit of WriteQasm as an OpenQASM 3.0 program with stdgates.inc: the
// same factors in the same order, each gate written as a statement of exactly
// the same matrix (u1 as p, u3 as the builtin U, cu1 as cp, cu3 as ctrl @ U,
// since stdgates' own u3 differs from qelib1's by a phase), and the phases
// left over as gphase. Empty when there is no circuit (see Circuit::problems).
std::string WriteQasm3(const Decomposition& decomposition, CircuitBasis basis = CircuitBasis::TwoLevel);

}  // namespace selvaris
