#include "export/circuit_error.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "export/factor_form.h"
#include "export/gate_rows.h"
#include "export/nearest_form.h"
#include "export/reconstruction.h"
#include "export/unitary_scale.h"

namespace selvaris {
namespace {

// Phases this small change no element by more than rounding, so the writer
// leaves them out; the circuit's unitary must leave them out too.
constexpr double kNegligiblePhase = 1e-15;

}  // namespace

std::string FactorProblem(const Decomposition& d, std::size_t index, std::string_view refusal) {
    return FactorLabel(d, index) + "：" + std::string(refusal) + "。";
}

void SetPhaseAndError(Circuit& circuit, double phaseSum, const ComplexMatrix& product, const ComplexMatrix& target) {
    circuit.phase = WrapAngle(phaseSum);
    if (std::abs(circuit.phase) <= kNegligiblePhase) circuit.phase = 0.0;
    circuit.error = LargestDifference(TurnedBy(circuit.phase, product), DividedBy(target, circuit.scale));
    circuit.exact = !circuit.approximated && circuit.error <= kFormTolerance;
}

Circuit ErrorOnlyCircuit(const Decomposition& d) {
    Circuit circuit;
    circuit.scale = UnitaryScale(d.target);
    // The gates act last factor first, but the phases add up first factor first.
    std::vector<double> phases(d.factors.size());
    ComplexMatrix product = ComplexMatrix::Identity();
    for (std::size_t k = d.factors.size(); k-- > 0;) {
        const FactorForm form = FindFactorForm(d.factors[k]);
        if (form.kind != FactorKind::Refused) {
            for (int g = 0; g < form.gateCount; ++g) ApplyGate(FormGate(form, g), product);
            phases[k] = form.phase;
            continue;
        }
        const std::optional<NearestForms> nearest = NearestFactorForms(d.factors[k]);
        if (!nearest) {
            circuit.problems.push_back(FactorProblem(d, k, form.refusal));
            continue;
        }
        circuit.approximated = true;
        for (const FactorForm& part : nearest->parts) {
            if (part.kind == FactorKind::Refused) {
                circuit.problems.push_back(FactorProblem(d, k, part.refusal));
                break;
            }
            for (int g = 0; g < part.gateCount; ++g) ApplyGate(FormGate(part, g), product);
            phases[k] += part.phase;
        }
    }
    std::reverse(circuit.problems.begin(), circuit.problems.end());
    if (!circuit.ok()) return circuit;
    double phaseSum = 0.0;
    for (const double phase : phases) phaseSum += phase;
    SetPhaseAndError(circuit, phaseSum, product, d.target);
    return circuit;
}

}  // namespace selvaris
