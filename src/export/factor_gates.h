#pragma once

#include <string>
#include <vector>

#include "core/complex_matrix.h"
#include "export/u3_angles.h"

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

// A gate as a circuit picture shows it: a 2x2 unitary on its target wire,
// applied where the control wire (if any) is 1, or 0 for an open control.
// factor is the decomposition factor it belongs to.
struct CircuitGate {
    Block2 block{};
    int target = 0;
    int control = -1;
    bool openControl = false;
    std::size_t factor = 0;
};

// A factor as gates: their product, times e^{i phase}, is the factor divided
// by its scale. When the factor has no such form, refusal says why (Japanese)
// and there are no gates.
struct FactorGates {
    std::string form;  // e.g. "diagonal", for the program's comment
    std::vector<QasmGate> gates;
    // The same gates as a picture shows them, in the order they act: an open
    // control stays one gate, and a two-level gate carries its phase in its block.
    std::vector<CircuitGate> drawn;
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
