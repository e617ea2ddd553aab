#include "export/circuit.h"

#include <cmath>
#include <complex>

#include "export/cnot_minimum.h"
#include "export/cx_basis.h"
#include "export/nearest_form.h"
#include "export/reconstruction.h"
#include "export/u3_angles.h"
#include "export/unitary_scale.h"

namespace selvaris {
namespace {

using Complex = std::complex<double>;

// Phases this small change no element by more than rounding, so the writer
// leaves them out; the circuit's unitary must leave them out too.
constexpr double kNegligiblePhase = 1e-15;

// A factor of no exact form, written as the gates of its nearest parts: the
// last part acts first.
FactorGates NearestFactorGates(const ComplexMatrix& factor) {
    const double scale = UnitaryScale(factor);
    const NearestGates nearest = NearestGatesFor(DividedBy(factor, scale));
    FactorGates out;
    out.form = nearest.form;
    out.scale = scale;
    for (std::size_t k = nearest.parts.size(); k-- > 0;) {
        const FactorGates part = FactorToGates(nearest.parts[k]);
        if (!part.refusal.empty()) return part;
        out.gates.insert(out.gates.end(), part.gates.begin(), part.gates.end());
        out.drawn.insert(out.drawn.end(), part.drawn.begin(), part.drawn.end());
        out.phase += part.phase;
    }
    return out;
}

// How far u is from unitary: the invariants of a typed matrix are only as
// exact as the matrix.
double UnitarityDefect(const ComplexMatrix& u) {
    return LargestDifference(ComplexProduct(u, Adjoint(u)), ComplexMatrix::Identity());
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

bool CanBeApproximated(const ComplexMatrix& factor) {
    const double scale = UnitaryScale(factor);
    return factor.IsFinite() && std::isfinite(scale) && scale > 0.0;
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
    Circuit circuit;
    circuit.scale = UnitaryScale(d.target);
    double phase = 0.0;
    for (std::size_t k = 0; k < d.factors.size(); ++k) {
        FactorGates gates = FactorToGates(d.factors[k]);
        if (!gates.refusal.empty() && CanBeApproximated(d.factors[k])) {
            gates = NearestFactorGates(d.factors[k]);
            circuit.approximated = true;
        }
        if (!gates.refusal.empty()) circuit.problems.push_back(FactorLabel(d, k) + "：" + gates.refusal + "。");
        phase += gates.phase;
        circuit.factors.push_back(std::move(gates));
    }
    if (!circuit.ok()) return circuit;
    circuit.phase = WrapAngle(phase);
    if (std::abs(circuit.phase) <= kNegligiblePhase) circuit.phase = 0.0;
    circuit.error = LargestDifference(CircuitUnitary(circuit), DividedBy(d.target, circuit.scale));
    circuit.exact = !circuit.approximated && circuit.error <= kFormTolerance;
    if (parts == CircuitParts::All) AddGateLists(circuit, DividedBy(d.target, circuit.scale));
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

ComplexMatrix CircuitUnitary(const Circuit& circuit) {
    ComplexMatrix u = ComplexMatrix::Identity();
    for (std::size_t k = circuit.factors.size(); k-- > 0;)
        for (const QasmGate& gate : circuit.factors[k].gates) u = ComplexProduct(GateUnitary(gate), u);
    const Complex turn = std::polar(1.0, circuit.phase);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const Complex z = turn * Complex(u.re(r, c), u.im(r, c));
            u.re(r, c) = z.real();
            u.im(r, c) = z.imag();
        }
    return u;
}

std::string CircuitErrorLine(double error) { return "回路と目標の差 " + ShortScientific(error); }

}  // namespace selvaris
