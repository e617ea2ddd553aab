#include "export/circuit.h"

#include <cmath>
#include <complex>

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
        out.phase += part.phase;
    }
    return out;
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

Circuit BuildCircuit(const Decomposition& d) {
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
    return circuit;
}

ComplexMatrix GateUnitary(const QasmGate& gate) {
    Block2 v = {{{1.0, 0.0}, {0.0, 1.0}}};
    const auto angle = [&](std::size_t k) { return k < gate.angles.size() ? gate.angles[k] : 0.0; };
    if (gate.name == "x" || gate.name == "cx")
        v = {{{0.0, 1.0}, {1.0, 0.0}}};
    else if (gate.name == "u1" || gate.name == "cu1")
        v[1][1] = std::polar(1.0, angle(0));
    else if (gate.name == "u3" || gate.name == "cu3")
        v = U3Block({angle(0), angle(1), angle(2), 0.0});
    if (gate.qubits.empty()) return ComplexMatrix::Identity();
    const bool controlled = gate.qubits.size() == 2;
    const int target = gate.qubits.back() & 1;
    const int control = controlled ? gate.qubits.front() & 1 : -1;

    ComplexMatrix g{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            const int other = 1 - target;
            if (((i >> other) & 1) != ((j >> other) & 1)) continue;
            Complex z = i == j ? 1.0 : 0.0;
            if (!controlled || ((i >> control) & 1)) z = v[(i >> target) & 1][(j >> target) & 1];
            g.re(i, j) = z.real();
            g.im(i, j) = z.imag();
        }
    return g;
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
