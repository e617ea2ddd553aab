#include "export/cx_basis.h"

#include <cmath>
#include <complex>

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
    const auto angle = [&](std::size_t k) { return k < gate.angles.size() ? gate.angles[k] : 0.0; };
    if (gate.name == "x" || gate.name == "cx")
        drawn.block = {{{0.0, 1.0}, {1.0, 0.0}}};
    else if (gate.name == "u1" || gate.name == "cu1")
        drawn.block = {{{1.0, 0.0}, {0.0, std::polar(1.0, angle(0))}}};
    else
        drawn.block = U3Block({angle(0), angle(1), angle(2), 0.0});
    if (!gate.qubits.empty()) drawn.target = gate.qubits.back();
    if (gate.qubits.size() == 2) drawn.control = gate.qubits.front();
    return drawn;
}

}  // namespace selvaris
