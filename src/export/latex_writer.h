#pragma once

#include <string>

#include "export/circuit.h"
#include "export/decomposition.h"

namespace selvaris {

// The marked lines around the quantikz environment in WriteLatex's document:
// everything between them can be pasted into a paper that loads quantikz.
inline constexpr const char* kLatexCircuitBegin = "% ---- Selvaris circuit: copy from here ----";
inline constexpr const char* kLatexCircuitEnd = "% ---- Selvaris circuit: copy up to here ----";

// A standalone LaTeX document drawing the circuit with quantikz (TeX Live's
// \usetikzlibrary{quantikz}): q_1 on the top row, q_0 below, one column per
// gate in the order they act, labelled as the circuit window labels them.
// Empty when there is no circuit (see Circuit::problems).
std::string WriteLatex(const Decomposition& decomposition, CircuitBasis basis = CircuitBasis::TwoLevel);

}  // namespace selvaris
