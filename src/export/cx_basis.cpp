#include "export/cx_basis.h"

#include <cmath>
#include <complex>

#include "export/plain_gate.h"

namespace selvaris {

namespace {

// A u1 or u3 whose angles are all this small changes nothing but rounding;
// written out, it would only lengthen the circuit.
bool DoesNothing(const QasmGate& gate) {
    if (gate.name != "u1" && gate.name != "u3") return false;
    for (double angle : gate.angles)
        if (std::abs(angle) > 1e-15) return false;
    return true;
}

void AddUnlessIdle(std::vector<QasmGate>& out, QasmGate gate) {
    if (!DoesNothing(gate)) out.push_back(std::move(gate));
}

}  // namespace

std::vector<QasmGate> InCxBasis(const std::vector<QasmGate>& gates) {
    std::vector<QasmGate> out;
    for (const QasmGate& gate : gates) {
        if (gate.qubits.size() != 2 || (gate.name != "cu1" && gate.name != "cu3")) {
            out.push_back(gate);
            continue;
        }
        const int c = gate.qubits[0], t = gate.qubits[1];
        if (gate.name == "cu1") {
            const double lambda = gate.angles.at(0);
            AddUnlessIdle(out, {"u1", {lambda / 2}, {c}});
            out.push_back({"cx", {}, {c, t}});
            AddUnlessIdle(out, {"u1", {-lambda / 2}, {t}});
            out.push_back({"cx", {}, {c, t}});
            AddUnlessIdle(out, {"u1", {lambda / 2}, {t}});
        } else {
            const double theta = gate.angles.at(0), phi = gate.angles.at(1), lambda = gate.angles.at(2);
            AddUnlessIdle(out, {"u1", {(lambda + phi) / 2}, {c}});
            AddUnlessIdle(out, {"u1", {(lambda - phi) / 2}, {t}});
            out.push_back({"cx", {}, {c, t}});
            AddUnlessIdle(out, {"u3", {-theta / 2, 0.0, -(phi + lambda) / 2}, {t}});
            out.push_back({"cx", {}, {c, t}});
            AddUnlessIdle(out, {"u3", {theta / 2, phi, 0.0}, {t}});
        }
    }
    return out;
}

CircuitGate DrawnGate(const QasmGate& gate) {
    CircuitGate drawn;
    double angles[3] = {};
    for (std::size_t k = 0; k < 3 && k < gate.angles.size(); ++k) angles[k] = gate.angles[k];
    const GateAction action = gate.name == "x" || gate.name == "cx"     ? GateAction::Flip
                              : gate.name == "u1" || gate.name == "cu1" ? GateAction::Phase
                                                                        : GateAction::U3;
    drawn.block = ActionBlock(action, angles);
    if (!gate.qubits.empty()) drawn.target = gate.qubits.back();
    if (gate.qubits.size() == 2) drawn.control = gate.qubits.front();
    return drawn;
}

}  // namespace selvaris
