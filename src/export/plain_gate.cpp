#include "export/plain_gate.h"

#include <complex>

namespace selvaris {

Block2 ActionBlock(GateAction action, const double* angles) {
    switch (action) {
        case GateAction::Flip:
            return {{{0.0, 1.0}, {1.0, 0.0}}};
        case GateAction::Phase:
            return {{{1.0, 0.0}, {0.0, std::polar(1.0, angles[0])}}};
        case GateAction::U3:
            break;
    }
    return U3Block({angles[0], angles[1], angles[2], 0.0});
}

QasmGate ToQasmGate(const PlainGate& gate) {
    static const char* const kNames[3][2] = {{"x", "cx"}, {"u1", "cu1"}, {"u3", "cu3"}};
    const bool controlled = gate.control >= 0;
    QasmGate out;
    out.name = kNames[static_cast<int>(gate.action)][controlled];
    const int angleCount = gate.action == GateAction::Flip ? 0 : gate.action == GateAction::Phase ? 1 : 3;
    out.angles.assign(gate.angles, gate.angles + angleCount);
    if (controlled) out.qubits.push_back(gate.control);
    out.qubits.push_back(gate.target);
    return out;
}

}  // namespace selvaris
