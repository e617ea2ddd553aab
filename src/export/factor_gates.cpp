#include "export/factor_gates.h"

#include "export/factor_form.h"

namespace selvaris {
namespace {

std::string FormText(const FactorForm& form) {
    switch (form.kind) {
        case FactorKind::Identity:
            return "identity";
        case FactorKind::Diagonal:
            return "diagonal";
        case FactorKind::SingleQubit:
            return "single-qubit gate on q[" + std::to_string(form.wire) + "]";
        case FactorKind::TwoLevel:
            return "two-level gate on states " + std::to_string(form.p) + " and " + std::to_string(form.q);
        case FactorKind::Refused:
            break;
    }
    return "";
}

}  // namespace

FactorGates FactorToGates(const ComplexMatrix& factor) { return GatesOf(FindFactorForm(factor)); }

FactorGates GatesOf(const FactorForm& form) {
    FactorGates out;
    if (form.kind == FactorKind::Refused) {
        out.refusal = form.refusal;
        return out;
    }
    out.form = FormText(form);
    out.phase = form.phase;
    out.scale = form.scale;
    for (int k = 0; k < form.gateCount; ++k) out.gates.push_back(ToQasmGate(form.gates[k]));
    // The picture shows a two-level gate's whole block, phase included, under one control.
    if (form.kind == FactorKind::TwoLevel)
        out.drawn.push_back({form.fit.block, form.target, form.control, form.openControl, 0});
    else
        for (int k = 0; k < form.gateCount; ++k) out.drawn.push_back(FormGate(form, k));
    return out;
}

}  // namespace selvaris
