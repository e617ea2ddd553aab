#pragma once

#include "export/factor_gates.h"

namespace selvaris {

// What a gate of this program does on its target wire: x, u1 or u3.
enum class GateAction { Flip, Phase, U3 };

// A qelib1.inc gate as plain data, so that a factor's gates can be found and
// multiplied out without building their names and lists.
struct PlainGate {
    GateAction action = GateAction::Flip;
    double angles[3] = {};  // u1: lambda; u3: theta, phi, lambda
    int control = -1;
    int target = 0;
};

// The gate's 2x2 block on its target wire; angles as a PlainGate holds them.
Block2 ActionBlock(GateAction action, const double* angles);

QasmGate ToQasmGate(const PlainGate& gate);

}  // namespace selvaris
