#pragma once

#include <string>
#include <vector>

#include "core/complex_matrix.h"

namespace selvaris {

// Elements that differ from a factor's form by no more than this (after the
// factor is divided by its scale) are rounding: a decomposition of a unitary
// in doubles lands near 1e-15, so anything above 1e-10 is a real difference
// of form, and what is dropped stays far below what a reader can see.
inline constexpr double kFormTolerance = 1e-10;

// One gate of qelib1.inc on the two-qubit register: qubit 0 is q[0], the
// bottom wire and low-order bit of the state index; qubit 1 is q[1].
struct QasmGate {
    std::string name;  // "x", "u1", "u3", "cu1" or "cu3"
    std::vector<double> angles;
    std::vector<int> qubits;  // control first
};

// A factor as gates: their product, times e^{i phase}, is the factor divided
// by its scale. When the factor has no such form, refusal says why (Japanese)
// and there are no gates.
struct FactorGates {
    std::string form;  // e.g. "diagonal", for the program's comment
    std::vector<QasmGate> gates;
    double phase = 0.0;
    double scale = 1.0;
    std::string refusal;
};

// The identity gives no gates; a diagonal factor u1 on each wire and cu1; a
// single-qubit factor u3 on its wire; a two-level factor on two states that
// differ in one bit cu3, with x around the control when it acts where the
// control is 0, and its phase as u1 on the control.
FactorGates FactorToGates(const ComplexMatrix& factor);

}  // namespace selvaris
