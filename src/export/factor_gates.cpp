#include "export/factor_gates.h"

#include <cmath>
#include <complex>
#include <optional>

#include "export/u3_angles.h"
#include "export/unitary_scale.h"

namespace selvaris {
namespace {

using Complex = std::complex<double>;

// Phases this small change no element by more than rounding, so their gates
// are left out rather than written as u1(1.2e-17).
constexpr double kNegligibleAngle = 1e-15;

constexpr const char* kNotFinite = "有限でない値（NaN や無限大）を含みます";
constexpr const char* kZero = "零行列です";
constexpr const char* kNotUnitary = "ユニタリー行列の正の定数倍ではありません";
constexpr const char* kNoGateForm =
    "1 量子ビットゲート、1 ビットだけ異なる 2 状態の 2 準位ゲート、対角行列のどれでもありません";

Complex At(const ComplexMatrix& m, int r, int c) { return {m.re(r, c), m.im(r, c)}; }

// Written so that NaN fails.
bool Near(Complex a, Complex b) {
    const Complex d = a - b;
    return std::abs(d.real()) <= kFormTolerance && std::abs(d.imag()) <= kFormTolerance;
}

bool NearIdentityAt(const ComplexMatrix& m, int r, int c) { return Near(At(m, r, c), r == c ? 1.0 : 0.0); }

bool IsUnitary(const ComplexMatrix& m) {
    const ComplexMatrix p = ComplexProduct(m, Adjoint(m));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (!NearIdentityAt(p, r, c)) return false;
    return true;
}

Block2 BlockOn(const ComplexMatrix& m, int p, int q) {
    return {{{At(m, p, p), At(m, p, q)}, {At(m, q, p), At(m, q, q)}}};
}

bool BlockMatches(const ComplexMatrix& m, int p, int q, const Block2& expected) {
    const Block2 actual = BlockOn(m, p, q);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            if (!Near(actual[r][c], expected[r][c])) return false;
    return true;
}

void AddGate(FactorGates& out, const char* name, std::vector<double> angles, std::vector<int> qubits) {
    out.gates.push_back({name, std::move(angles), std::move(qubits)});
}

void AddPhaseGate(FactorGates& out, const char* name, double angle, std::vector<int> qubits) {
    angle = WrapAngle(angle);
    if (std::abs(angle) <= kNegligibleAngle) return;
    const Block2 phase = {{{1.0, 0.0}, {0.0, std::polar(1.0, angle)}}};
    out.drawn.push_back({phase, qubits.back(), qubits.size() == 2 ? qubits.front() : -1, false, 0});
    AddGate(out, name, {angle}, std::move(qubits));
}

// diag(d0, d1, d2, d3) = e^{i a0} x u1 on q[0] x u1 on q[1] x cu1.
std::optional<FactorGates> AsDiagonal(const ComplexMatrix& m) {
    double a[4];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c)
            if (r != c && !Near(At(m, r, c), 0.0)) return std::nullopt;
        a[r] = std::arg(At(m, r, r));
        if (!Near(std::polar(1.0, a[r]), At(m, r, r))) return std::nullopt;
    }
    FactorGates out;
    out.phase = a[0];
    AddPhaseGate(out, "u1", a[1] - a[0], {0});
    AddPhaseGate(out, "u1", a[2] - a[0], {1});
    AddPhaseGate(out, "cu1", a[3] - a[2] - a[1] + a[0], {1, 0});
    out.form = out.gates.empty() && std::abs(WrapAngle(out.phase)) <= kNegligibleAngle ? "identity" : "diagonal";
    return out;
}

// The same 2x2 block on wire w whatever the other wire holds.
std::optional<FactorGates> AsSingleQubit(const ComplexMatrix& m, int wire) {
    const int bit = 1 << wire;
    const int otherBit = 1 << (1 - wire);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if ((r & otherBit) != (c & otherBit) && !Near(At(m, r, c), 0.0)) return std::nullopt;
    const auto angles = FitU3(BlockOn(m, 0, bit), kFormTolerance);
    if (!angles || !BlockMatches(m, otherBit, otherBit | bit, U3Block(*angles))) return std::nullopt;

    FactorGates out;
    out.form = "single-qubit gate on q[" + std::to_string(wire) + "]";
    out.phase = angles->phase;
    AddGate(out, "u3", {angles->theta, angles->phi, angles->lambda}, {wire});
    out.drawn.push_back({U3Block({angles->theta, angles->phi, angles->lambda, 0.0}), wire, -1, false, 0});
    return out;
}

// The identity outside states p < q, which differ in one bit.
std::optional<FactorGates> AsTwoLevel(const ComplexMatrix& m, int p, int q) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const bool inBlock = (r == p || r == q) && (c == p || c == q);
            if (!inBlock && !NearIdentityAt(m, r, c)) return std::nullopt;
        }
    const auto angles = FitU3(BlockOn(m, p, q), kFormTolerance);
    if (!angles) return std::nullopt;

    const int target = (p ^ q) == 1 ? 0 : 1;
    const int control = 1 - target;
    const bool actsWhereControlIsZero = ((p >> control) & 1) == 0;

    FactorGates out;
    out.form = "two-level gate on states " + std::to_string(p) + " and " + std::to_string(q);
    if (actsWhereControlIsZero) AddGate(out, "x", {}, {control});
    AddPhaseGate(out, "u1", angles->phase, {control});
    AddGate(out, "cu3", {angles->theta, angles->phi, angles->lambda}, {control, target});
    if (actsWhereControlIsZero) AddGate(out, "x", {}, {control});
    // The picture shows the whole block, phase included, under one control.
    out.drawn.assign(1, {U3Block(*angles), target, control, actsWhereControlIsZero, 0});
    return out;
}

FactorGates Refused(const char* reason) {
    FactorGates out;
    out.refusal = reason;
    return out;
}

}  // namespace

FactorGates FactorToGates(const ComplexMatrix& factor) {
    if (!factor.IsFinite()) return Refused(kNotFinite);
    const double scale = UnitaryScale(factor);
    if (!std::isfinite(scale)) return Refused(kNotFinite);
    if (scale == 0.0) return Refused(kZero);
    const ComplexMatrix m = DividedBy(factor, scale);
    if (!IsUnitary(m)) return Refused(kNotUnitary);

    std::optional<FactorGates> gates = AsDiagonal(m);
    for (int wire = 0; wire < 2 && !gates; ++wire) gates = AsSingleQubit(m, wire);
    const int pairs[4][2] = {{0, 1}, {2, 3}, {0, 2}, {1, 3}};
    for (const auto& pair : pairs)
        if (!gates) gates = AsTwoLevel(m, pair[0], pair[1]);
    if (!gates) return Refused(kNoGateForm);
    gates->scale = scale;
    return *gates;
}

}  // namespace selvaris
