#pragma once

#include <algorithm>
#include <cmath>
#include <string>

#include "support/fake_platform.h"
#include "workbench/form1.h"

namespace selvaris::testing {

// The workbench with a scripted desktop, driven as a user would.
struct WorkbenchFlow {
    SharedRegisters registers;
    FakePlatform platform;
    Form1 form{registers, platform};
    WorkbenchFlow() { form.Load(); }

    // A target taken as entered (bit for bit, as from a file), then checked.
    void SetTargetMatrix(const ComplexMatrix& m) {
        registers.EntryMatrix = m;
        registers.EntryError = false;
        registers.EntryCancelled = false;
        form.AcceptEnteredTarget();
    }
    // Picks a cell and chooses the gate on one side ('L' or 'R').
    void Step(ControlName cell, char side) {
        form.Click(cell);
        form.Click(side == 'L' ? "Command10" : "Command11");
    }
    // "最終ゲート" with bottom-right cell typed as given, then "実行".
    void FinalGate(const std::string& t33) {
        platform.OnShow("Form7", [t33](Window& w) {
            w.TypeText("T33", t33);
            w.Click("Command7");
        });
        form.Click("Command1");
    }
    const WorkbenchState& S() const { return form.State(); }
    bool Enabled(ControlName name) const { return form.Get(name).enabled; }
};

// Largest difference over all elements and both parts.
inline double MaxDifference(const ComplexMatrix& a, const ComplexMatrix& b) {
    double largest = 0.0;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 2; ++k) largest = std::max(largest, std::fabs(a.v[r][c][k] - b.v[r][c][k]));
    return largest;
}

inline double UnitarityDefect(const ComplexMatrix& m) {
    return MaxDifference(ComplexProduct(m, Adjoint(m)), ComplexMatrix::Identity());
}

inline ComplexMatrix HadamardPair() {
    ComplexMatrix m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) m.re(r, c) = (__builtin_popcount(r & c) % 2 ? -0.5 : 0.5);
    return m;
}

}  // namespace selvaris::testing
