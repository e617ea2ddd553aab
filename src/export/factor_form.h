#pragma once

#include "core/complex_matrix.h"
#include "export/plain_gate.h"
#include "export/u3_angles.h"

namespace selvaris {

enum class FactorKind { Refused, Identity, Diagonal, SingleQubit, TwoLevel };

// The form FactorToGates writes a factor in, found without allocating: the
// gates in the order they act, times e^{i phase}, give the factor divided by
// scale.
struct FactorForm {
    FactorKind kind = FactorKind::Refused;
    const char* refusal = "";  // why there are no gates (Japanese)
    double scale = 1.0;
    double phase = 0.0;
    PlainGate gates[4];
    int gateCount = 0;
    int wire = 0;  // SingleQubit
    // SingleQubit and TwoLevel: the block's fit, its phase included.
    U3Fit fit;
    // TwoLevel: the states p < q and the one controlled gate a picture shows.
    int p = 0, q = 0;
    int control = 0, target = 0;
    bool openControl = false;
};

FactorForm FindFactorForm(const ComplexMatrix& factor);

// The form written out: what FactorToGates gives for the factor.
FactorGates GatesOf(const FactorForm& form);

// Gate k of the form as DrawnGate draws it once written, its block built
// with the fit's cos, sin and phase turn rather than library calls.
CircuitGate FormGate(const FactorForm& form, int k);

}  // namespace selvaris
