#pragma once

#include <algorithm>
#include <complex>
#include <vector>

#include "core/zero_tests.h"
#include "export/decomposition.h"
#include "workbench/merged_gate.h"
#include "workbench/two_level_gate.h"

namespace selvaris::testing {

struct PlanCell {
    int row, column;
    const char* name;
};

// The default plan: the L choice of cells la30, la20, la10, la21, la31, la32.
inline const PlanCell kDefaultPlan[] = {{3, 0, "2_3_b"}, {2, 0, "0_2_b"}, {1, 0, "0_1_b"},
                                        {2, 1, "2_3_a"}, {3, 1, "1_3_b"}, {3, 2, "2_3_b"}};

// Decomposes target as the workbench does: each nonzero plan cell is cleared
// by its two-level gate (the steps listed in mergedSteps by its single-qubit
// form instead),
// then the final gate diag(1, 1, 1, corner) is applied; the factors undo the
// gates in order, followed by what is left of the target.
inline Decomposition DecomposeLikeWorkbench(const ComplexMatrix& target, std::complex<double> corner = {0.0, -1.0},
                                            const std::vector<int>& mergedSteps = {}) {
    Decomposition d;
    d.target = target;
    ComplexMatrix current = target;
    for (const PlanCell& cell : kDefaultPlan) {
        if (!IsNonzeroForCell(current.re(cell.row, cell.column), current.im(cell.row, cell.column), kTolerance))
            continue;
        const TwoLevelGateName name = *ParseGateName(cell.name);
        ComplexMatrix gate = name.form == GateForm::A ? TwoLevelGateA(current, name.p, name.q, cell.column)
                                                      : TwoLevelGateB(current, name.p, name.q, cell.column);
        if (std::count(mergedSteps.begin(), mergedSteps.end(), static_cast<int>(d.factors.size())))
            gate = BuildMergedGate(gate, cell.name);
        current = ComplexProduct(gate, current);
        d.factors.push_back(Adjoint(gate));
        d.stepNames.push_back(cell.name);
    }
    ComplexMatrix finalGate = ComplexMatrix::Identity();
    ComplexMatrix finalInverse = ComplexMatrix::Identity();
    const std::complex<double> inverseCorner = 1.0 / corner;
    finalGate.re(3, 3) = corner.real();
    finalGate.im(3, 3) = corner.imag();
    finalInverse.re(3, 3) = inverseCorner.real();
    finalInverse.im(3, 3) = inverseCorner.imag();
    d.factors.push_back(finalInverse);
    d.stepNames.push_back("org_gate");
    d.factors.push_back(ComplexProduct(finalGate, current));
    return d;
}

}  // namespace selvaris::testing
