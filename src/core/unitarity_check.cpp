#include "core/unitarity_check.h"

#include <cmath>

#include "core/form3.h"

namespace selvaris {

namespace {

// Written so that NaN, which fails every comparison, lands outside.
bool Within(double value, double low, double high) { return low <= value && value <= high; }

// One product against the pattern lambda x identity.
bool LooksLikeMultipleOfIdentity(const ComplexMatrix& w, double tol) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (!Within(w.im(i, j), -tol, tol)) return false;

    double diagonal[4] = {};
    bool failed = false;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            if (i == j) {
                diagonal[i] = w.re(i, i);
            } else if (!Within(w.re(i, j), -tol, tol)) {
                failed = true;
                break;  // the rest of this row is not needed
            }
        }
    }
    if (failed) return false;

    for (int i = 0; i < 3; ++i)
        if (!Within(diagonal[i], diagonal[i + 1] - tol, diagonal[i + 1] + tol)) return false;

    // A multiple indistinguishable from zero, or one too large to be represented.
    for (double d : diagonal)
        if (!(d > tol) || !std::isfinite(d)) return false;
    return true;
}

}  // namespace

bool IsMultipleOfUnitary(const ComplexMatrix& p1, const ComplexMatrix& p2, double tol) {
    return LooksLikeMultipleOfIdentity(p1, tol) && LooksLikeMultipleOfIdentity(p2, tol);
}

bool CheckUnitarity(SharedRegisters& registers, Platform& platform, double tolerance) {
    const ComplexMatrix a = registers.CheckMatrix;
    const ComplexMatrix adjoint = Adjoint(a);
    const ComplexMatrix p1 = ComplexProduct(a, adjoint);
    const ComplexMatrix p2 = ComplexProduct(adjoint, a);
    if (a.IsFinite() && IsMultipleOfUnitary(p1, p2, tolerance)) return false;

    platform.MessageBox("この行列はユニタリーではありません", kStyleExclamationOk, "メッセージ");
    registers.AdjointMatrix = adjoint;
    registers.TargetTimesAdjoint = p1;
    registers.AdjointTimesTarget = p2;

    Form3 window(registers);
    const int w = platform.ScreenWidthTwips();
    window.SetPosition(w / 2 - w / 4, platform.ScreenHeightTwips() / 3);
    platform.ShowModal(window);
    return true;
}

}  // namespace selvaris
