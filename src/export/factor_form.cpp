#include "export/factor_form.h"

#include <cmath>
#include <complex>

#include "export/factor_gates.h"
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

// A set of elements, bit 4r + c for element (r, c).
using Cells = unsigned;

template <typename Predicate>
constexpr Cells CellsWhere(Predicate in) {
    Cells cells = 0;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (in(r, c)) cells |= 1u << (4 * r + c);
    return cells;
}

constexpr Cells kOffDiagonal = CellsWhere([](int r, int c) { return r != c; });
// The elements that join states apart in the other wire's bit, for wire 0 and 1.
constexpr Cells kAcrossOtherWire[2] = {CellsWhere([](int r, int c) { return (r & 2) != (c & 2); }),
                                       CellsWhere([](int r, int c) { return (r & 1) != (c & 1); })};

// The elements within kFormTolerance of the identity's: every form asks
// which, so they are read once.
Cells NearIdentityCells(const ComplexMatrix& m) {
    Cells cells = 0;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (NearIdentityAt(m, r, c)) cells |= 1u << (4 * r + c);
    return cells;
}

bool AllIn(Cells cells, Cells wanted) { return (cells & wanted) == wanted; }

// m x m-dagger, each element summed as ComplexProduct(m, Adjoint(m)) sums it;
// only the upper triangle, as each element below is the conjugate of one
// above bit for bit, but for the signs that Near ignores.
bool IsUnitary(const ComplexMatrix& m) {
    for (int r = 0; r < 4; ++r)
        for (int c = r; c < 4; ++c) {
            double re = 0.0, im = 0.0;
            for (int k = 0; k < 4; ++k) {
                const double ar = m.re(r, k), ai = m.im(r, k), br = m.re(c, k), bi = -m.im(c, k);
                re = re + (ar * br - ai * bi);
                im = im + (ar * bi + ai * br);
            }
            if (!Near({re, im}, r == c ? 1.0 : 0.0)) return false;
        }
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

// Blocks this far apart cannot both be within kFormTolerance of one u3, so
// fitting one of them to compare with the other would be wasted.
bool FarApart(const Block2& a, const Block2& b) {
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) {
            const Complex d = a[r][c] - b[r][c];
            if (std::abs(d.real()) > 10 * kFormTolerance || std::abs(d.imag()) > 10 * kFormTolerance) return true;
        }
    return false;
}

void AddGate(FactorForm& out, GateAction action, int control, int target, const U3Angles& a = {}) {
    out.gates[out.gateCount++] = {action, {a.theta, a.phi, a.lambda}, control, target};
}

void AddPhaseGate(FactorForm& out, double angle, int control, int target) {
    angle = WrapAngle(angle);
    if (std::abs(angle) <= kNegligibleAngle) return;
    out.gates[out.gateCount++] = {GateAction::Phase, {angle, 0.0, 0.0}, control, target};
}

// diag(d0, d1, d2, d3) = e^{i a0} x u1 on q[0] x u1 on q[1] x cu1.
bool AsDiagonal(const ComplexMatrix& m, Cells nearIdentity, FactorForm& out) {
    if (!AllIn(nearIdentity, kOffDiagonal)) return false;
    double a[4];
    for (int r = 0; r < 4; ++r) {
        const Complex d = At(m, r, r);
        // The states a factor leaves alone hold an exact 1, whose argument is
        // the zero of its imaginary part; arg and polar are library calls.
        a[r] = d == 1.0 ? d.imag() : std::arg(d);
        if (d != 1.0 && !Near(std::polar(1.0, a[r]), d)) return false;
    }
    out.phase = a[0];
    AddPhaseGate(out, a[1] - a[0], -1, 0);
    AddPhaseGate(out, a[2] - a[0], -1, 1);
    AddPhaseGate(out, a[3] - a[2] - a[1] + a[0], 1, 0);
    const bool identity = out.gateCount == 0 && std::abs(WrapAngle(out.phase)) <= kNegligibleAngle;
    out.kind = identity ? FactorKind::Identity : FactorKind::Diagonal;
    return true;
}

// The same 2x2 block on wire w whatever the other wire holds.
bool AsSingleQubit(const ComplexMatrix& m, int wire, Cells nearIdentity, FactorForm& out) {
    const int bit = 1 << wire;
    const int otherBit = 1 << (1 - wire);
    if (!AllIn(nearIdentity, kAcrossOtherWire[wire])) return false;
    const Block2 low = BlockOn(m, 0, bit);
    if (FarApart(low, BlockOn(m, otherBit, otherBit | bit))) return false;
    if (!FitU3Parts(low, kFormTolerance, out.fit) || !BlockMatches(m, otherBit, otherBit | bit, out.fit.block))
        return false;

    out.kind = FactorKind::SingleQubit;
    out.wire = wire;
    out.phase = out.fit.angles.phase;
    AddGate(out, GateAction::U3, -1, wire, out.fit.angles);
    return true;
}

// The identity outside states p < q, which differ in one bit.
bool AsTwoLevel(const ComplexMatrix& m, int p, int q, Cells nearIdentity, FactorForm& out) {
    const Cells block = 1u << (5 * p) | 1u << (4 * p + q) | 1u << (4 * q + p) | 1u << (5 * q);
    if (!AllIn(nearIdentity, 0xFFFFu & ~block)) return false;
    if (!FitU3Parts(BlockOn(m, p, q), kFormTolerance, out.fit)) return false;
    const U3Angles& angles = out.fit.angles;

    const int target = (p ^ q) == 1 ? 0 : 1;
    const int control = 1 - target;
    const bool actsWhereControlIsZero = ((p >> control) & 1) == 0;

    out.kind = FactorKind::TwoLevel;
    out.p = p;
    out.q = q;
    out.control = control;
    out.target = target;
    out.openControl = actsWhereControlIsZero;
    if (actsWhereControlIsZero) AddGate(out, GateAction::Flip, -1, control);
    AddPhaseGate(out, angles.phase, -1, control);
    AddGate(out, GateAction::U3, control, target, angles);
    if (actsWhereControlIsZero) AddGate(out, GateAction::Flip, -1, control);
    return true;
}

}  // namespace

FactorForm FindFactorForm(const ComplexMatrix& factor) {
    FactorForm out;  // the one object returned, so it is built in place
    // A NaN or infinity in the factor leaves its scale NaN or infinite.
    const double scale = UnitaryScale(factor);
    if (!std::isfinite(scale) || scale == 0.0) {
        out.refusal = scale == 0.0 ? kZero : kNotFinite;
        return out;
    }
    // A factor of the decomposition mostly has scale 1 exactly, and x / 1 is x.
    const ComplexMatrix m = scale == 1.0 ? factor : DividedBy(factor, scale);
    if (!IsUnitary(m)) {
        out.refusal = kNotUnitary;
        return out;
    }
    const Cells nearIdentity = NearIdentityCells(m);
    bool found = AsDiagonal(m, nearIdentity, out);
    for (int wire = 0; wire < 2 && !found; ++wire) found = AsSingleQubit(m, wire, nearIdentity, out);
    const int pairs[4][2] = {{0, 1}, {2, 3}, {0, 2}, {1, 3}};
    for (const auto& pair : pairs)
        if (!found) found = AsTwoLevel(m, pair[0], pair[1], nearIdentity, out);
    if (!found) {
        out = FactorForm();
        out.refusal = kNoGateForm;
        return out;
    }
    out.scale = scale;
    return out;
}

CircuitGate FormGate(const FactorForm& form, int k) {
    const PlainGate& gate = form.gates[k];
    const U3Angles& a = form.fit.angles;
    CircuitGate drawn = {{}, gate.target, gate.control, false, 0};
    const bool fitted = form.kind == FactorKind::SingleQubit || form.kind == FactorKind::TwoLevel;
    if (fitted && gate.action == GateAction::U3)
        drawn.block = U3Block({a.theta, a.phi, a.lambda, 0.0}, form.fit.cosHalf, form.fit.sinHalf);
    else if (fitted && gate.action == GateAction::Phase && gate.angles[0] == a.phase && a.phase != 0.0)
        drawn.block = {{{1.0, 0.0}, {0.0, form.fit.phaseTurn}}};
    else
        drawn.block = ActionBlock(gate.action, gate.angles);
    return drawn;
}

}  // namespace selvaris
