#pragma once

#include <string>
#include <vector>

#include "core/complex_matrix.h"
#include "export/decomposition.h"
#include "export/factor_gates.h"

namespace selvaris {

// The two forms a circuit is written and drawn in: controlled single-qubit
// gates as the factors are, or CNOTs with single-qubit gates.
enum class CircuitBasis { TwoLevel, Cx };

// A gate of qelib1.inc with the decomposition factor it comes from.
struct PlacedGate {
    QasmGate gate;
    std::size_t factor = 0;
};

// A decomposition as one circuit of qelib1.inc gates: the gates of factor k
// in the order they act, the phases they leave over, and how far the whole
// circuit is from the target divided by its scale. Every writer and the
// circuit window read this, built once.
struct Circuit {
    std::vector<FactorGates> factors;  // factors[k] stands for decomposition factor k
    double scale = 1.0;                // s, with target = s x U
    double phase = 0.0;                // the global phase written at the end, in (-pi, pi]
    // True when some factor was more than kFormTolerance from every gate form
    // and is written as the nearest gates instead.
    bool approximated = false;
    double error = 0.0;  // largest absolute difference between the circuit's unitary and U
    // Neither approximated nor further from U than rounding: the writers then
    // need not state the error, so such files stay as they always were.
    bool exact = true;
    // Why there is no circuit (a factor holding NaN or infinity, or zero); one
    // Japanese line each, naming the factor.
    std::vector<std::string> problems;

    // The whole circuit in the order its gates act (the last factor first):
    // as a picture shows the two-level form, in qelib1.inc gates of the CNOT
    // form, and as a picture shows that.
    std::vector<CircuitGate> twoLevelDrawn;
    std::vector<PlacedGate> cxGates;
    std::vector<CircuitGate> cxDrawn;
    int cnotCount = 0;    // cx gates of the CNOT form
    int cnotMinimum = 3;  // the fewest any circuit for U needs

    bool ok() const { return problems.empty(); }
    const std::vector<CircuitGate>& Drawn(CircuitBasis basis) const {
        return basis == CircuitBasis::Cx ? cxDrawn : twoLevelDrawn;
    }
};

// ErrorOnly fills in the scale, the phase, the error, exact, approximated and
// the problems, each as All does, and keeps no factor's gates and no gate
// list: all the main window's error line needs.
enum class CircuitParts { All, ErrorOnly };
Circuit BuildCircuit(const Decomposition& decomposition, CircuitParts parts = CircuitParts::All);

// The 4x4 unitary of one gate on the two-qubit register (q[1] the high bit).
ComplexMatrix GateUnitary(const QasmGate& gate);
ComplexMatrix EmbeddedUnitary(const CircuitGate& gate);

// The unitary the circuit's gates and global phase give, last factor first.
ComplexMatrix CircuitUnitary(const Circuit& circuit);

// The line the main window shows beside the reconstruction error, e.g.
// "回路と目標の差 7.2e-05".
std::string CircuitErrorLine(double error);

// "因子 3（1_3_a）", "因子 6（残り）" for the last factor when it has no name.
std::string FactorLabel(const Decomposition& decomposition, std::size_t index);

}  // namespace selvaris
