#include "export/circuit.h"

#include <complex>
#include <optional>

#include "export/circuit_error.h"
#include "export/cnot_minimum.h"
#include "export/cx_basis.h"
#include "export/gate_rows.h"
#include "export/nearest_form.h"
#include "export/reconstruction.h"
#include "export/unitary_scale.h"

namespace selvaris {
namespace {

using Complex = std::complex<double>;

// How far u is from unitary: the invariants of a typed matrix are only as
// exact as the matrix.
double UnitarityDefect(const ComplexMatrix& u) {
    return LargestDifference(ComplexProduct(u, Adjoint(u)), ComplexMatrix::Identity());
}

// The circuit's gates multiplied out, last factor first, before the global phase.
ComplexMatrix GatesProduct(const Circuit& circuit) {
    ComplexMatrix u = ComplexMatrix::Identity();
    for (std::size_t k = circuit.factors.size(); k-- > 0;)
        for (const QasmGate& gate : circuit.factors[k].gates)
            if (!gate.qubits.empty()) ApplyGate(DrawnGate(gate), u);
    return u;
}

void AddGateLists(Circuit& circuit, const ComplexMatrix& u) {
    for (std::size_t k = circuit.factors.size(); k-- > 0;) {
        for (CircuitGate drawn : circuit.factors[k].drawn) {
            drawn.factor = k;
            circuit.twoLevelDrawn.push_back(drawn);
        }
        for (const QasmGate& gate : InCxBasis(circuit.factors[k].gates)) {
            circuit.cxGates.push_back({gate, k});
            CircuitGate drawn = DrawnGate(gate);
            drawn.factor = k;
            circuit.cxDrawn.push_back(drawn);
            if (gate.name == "cx") ++circuit.cnotCount;
        }
    }
    circuit.cnotMinimum = CnotMinimum(u, 1e-9 + 16.0 * UnitarityDefect(u));
}

}  // namespace

std::string FactorLabel(const Decomposition& d, std::size_t index) {
    std::string label = "因子 " + std::to_string(index);
    if (index < d.stepNames.size() && !d.stepNames[index].empty())
        label += "（" + d.stepNames[index] + "）";
    else if (index + 1 == d.factors.size())
        label += "（残り）";
    return label;
}

Circuit BuildCircuit(const Decomposition& d, CircuitParts parts) {
    if (parts == CircuitParts::ErrorOnly) return ErrorOnlyCircuit(d);
    Circuit circuit;
    circuit.scale = UnitaryScale(d.target);
    double phase = 0.0;
    for (std::size_t k = 0; k < d.factors.size(); ++k) {
        FactorGates gates = FactorToGates(d.factors[k]);
        if (!gates.refusal.empty())
            if (std::optional<FactorGates> nearest = NearestFactorGates(d.factors[k])) {
                gates = std::move(*nearest);
                circuit.approximated = true;
            }
        if (!gates.refusal.empty()) circuit.problems.push_back(FactorProblem(d, k, gates.refusal));
        phase += gates.phase;
        circuit.factors.push_back(std::move(gates));
    }
    if (!circuit.ok()) return circuit;
    SetPhaseAndError(circuit, phase, GatesProduct(circuit), d.target);
    AddGateLists(circuit, DividedBy(d.target, circuit.scale));
    return circuit;
}

ComplexMatrix EmbeddedUnitary(const CircuitGate& gate) {
    const int target = gate.target & 1;
    const int other = 1 - target;
    ComplexMatrix g{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            if (((i >> other) & 1) != ((j >> other) & 1)) continue;
            const bool acts = gate.control < 0 || ((i >> (gate.control & 1)) & 1) != static_cast<int>(gate.openControl);
            const Complex z = acts ? gate.block[(i >> target) & 1][(j >> target) & 1] : Complex(i == j ? 1.0 : 0.0);
            g.re(i, j) = z.real();
            g.im(i, j) = z.imag();
        }
    return g;
}

ComplexMatrix GateUnitary(const QasmGate& gate) {
    if (gate.qubits.empty()) return ComplexMatrix::Identity();
    return EmbeddedUnitary(DrawnGate(gate));
}

ComplexMatrix CircuitUnitary(const Circuit& circuit) { return TurnedBy(circuit.phase, GatesProduct(circuit)); }

std::string CircuitErrorLine(double error) { return "回路と目標の差 " + ShortScientific(error); }

}  // namespace selvaris
