#include "workbench/two_level_gate.h"

#include <cmath>

#include "core/matrix_text.h"

namespace selvaris {
namespace {

bool IsIndex(int i) { return i >= 0 && i < 4; }

bool IsPair(int p, int q, int c) { return IsIndex(p) && IsIndex(q) && IsIndex(c) && p != q; }

bool IsHistorySlot(int slot) { return slot >= 0 && slot < MatrixHistory::kSlots; }

struct Entry {
    double re;
    double im;
};

// The gate's 2x2 block, or nothing when the column pair carries no weight to move.
std::optional<ComplexMatrix> BuildTwoLevelGate(GateForm form, const ComplexMatrix& target, int p, int q, int c) {
    if (!IsPair(p, q, c)) return std::nullopt;
    const Entry a{target.re(p, c), target.im(p, c)};
    const Entry b{target.re(q, c), target.im(q, c)};
    const double modulusA = std::sqrt(a.re * a.re + a.im * a.im);
    const double modulusB = std::sqrt(b.re * b.re + b.im * b.im);
    const double n = std::sqrt(modulusA * modulusA + modulusB * modulusB);
    if (!(n > 0.0) || !std::isfinite(n)) return std::nullopt;

    ComplexMatrix gate = ComplexMatrix::Identity();
    auto set = [&gate](int row, int column, double re, double im) {
        gate.re(row, column) = re;
        gate.im(row, column) = im;
    };
    if (form == GateForm::A) {
        set(p, p, b.re / n, b.im / n);
        set(p, q, -a.re / n, -a.im / n);
        set(q, p, a.re / n, -a.im / n);
        set(q, q, b.re / n, -b.im / n);
    } else {
        set(p, p, a.re / n, -a.im / n);
        set(p, q, b.re / n, -b.im / n);
        set(q, p, b.re / n, b.im / n);
        set(q, q, -a.re / n, -a.im / n);
    }
    return gate;
}

bool BuildGate(GateForm form, SharedRegisters& registers, WorkbenchState& state, Window& window, int p, int q,
               int c) {
    const int slot = state.StepCount - 1;
    if (!IsHistorySlot(slot)) return false;

    if (state.SingleGateMode) {
        state.GateMatrix = state.MergedGateHist.at(slot);
        if (window.Has(kReusedGateBox)) ShowInTextBox(registers, state.GateMatrix, window, kReusedGateBox);
        ApplyGateToTarget(registers, state);
        return true;
    }

    if (!IsPair(p, q, c)) return false;
    const std::optional<ComplexMatrix> gate = BuildTwoLevelGate(form, registers.CurrentTarget, p, q, c);
    state.GateMatrix = gate.value_or(ComplexMatrix::Identity());
    ApplyGateToTarget(registers, state);
    state.GateHist.at(slot) = state.GateMatrix;
    return gate.has_value();
}

}  // namespace

std::optional<TwoLevelGateName> ParseGateName(const std::string& name) {
    struct Known {
        const char* name;
        TwoLevelGateName gate;
    };
    static const Known kKnown[] = {
        {"0_1_b", {0, 1, GateForm::B}}, {"0_2_b", {0, 2, GateForm::B}}, {"1_3_a", {1, 3, GateForm::A}},
        {"1_3_b", {1, 3, GateForm::B}}, {"2_3_a", {2, 3, GateForm::A}}, {"2_3_b", {2, 3, GateForm::B}},
    };
    for (const Known& known : kKnown)
        if (name == known.name) return known.gate;
    return std::nullopt;
}

ComplexMatrix TwoLevelGateA(const ComplexMatrix& target, int p, int q, int c) {
    return BuildTwoLevelGate(GateForm::A, target, p, q, c).value_or(ComplexMatrix::Identity());
}

ComplexMatrix TwoLevelGateB(const ComplexMatrix& target, int p, int q, int c) {
    return BuildTwoLevelGate(GateForm::B, target, p, q, c).value_or(ComplexMatrix::Identity());
}

void ApplyGateToTarget(SharedRegisters& registers, const WorkbenchState& state) {
    registers.CurrentTarget = ComplexProduct(state.GateMatrix, registers.CurrentTarget);
}

bool BuildGateA(SharedRegisters& registers, WorkbenchState& state, Window& form, std::int16_t p, std::int16_t q,
                std::int16_t c) {
    return BuildGate(GateForm::A, registers, state, form, p, q, c);
}

bool BuildGateB(SharedRegisters& registers, WorkbenchState& state, Window& form, std::int16_t p, std::int16_t q,
                std::int16_t c) {
    return BuildGate(GateForm::B, registers, state, form, p, q, c);
}

bool BuildNamedGate(SharedRegisters& registers, WorkbenchState& state, Window& form, const std::string& name,
                    std::int16_t c) {
    const std::optional<TwoLevelGateName> gate = ParseGateName(name);
    if (!gate) return false;
    return gate->form == GateForm::A ? BuildGateA(registers, state, form, gate->p, gate->q, c)
                                     : BuildGateB(registers, state, form, gate->p, gate->q, c);
}

}  // namespace selvaris
