#include "export/gate_label.h"

#include <cmath>
#include <complex>
#include <cstdio>
#include <numbers>

namespace selvaris {
namespace {

using Complex = std::complex<double>;

constexpr double kLabelTolerance = 1e-9;

struct KnownGate {
    const char* name;
    Block2 block;
};

const KnownGate* KnownGates() {
    const double h = 1.0 / std::sqrt(2.0);
    const Complex i(0.0, 1.0);
    static const KnownGate gates[] = {
        {"X", {{{0.0, 1.0}, {1.0, 0.0}}}},
        {"Y", {{{0.0, -i}, {i, 0.0}}}},
        {"Z", {{{1.0, 0.0}, {0.0, -1.0}}}},
        {"H", {{{h, h}, {h, -h}}}},
        {"S", {{{1.0, 0.0}, {0.0, i}}}},
        {"S†", {{{1.0, 0.0}, {0.0, -i}}}},
        {"T", {{{1.0, 0.0}, {0.0, std::polar(1.0, std::numbers::pi / 4)}}}},
        {"T†", {{{1.0, 0.0}, {0.0, std::polar(1.0, -std::numbers::pi / 4)}}}},
        {nullptr, {}},
    };
    return gates;
}

// block = turn x known, with |turn| = 1 (turn = 1 when the phase matters).
bool Matches(const Block2& block, const Block2& known, bool upToPhase) {
    Complex overlap = 0.0;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) overlap += std::conj(known[r][c]) * block[r][c];
    const Complex turn = upToPhase && std::abs(overlap) > 0.0 ? overlap / std::abs(overlap) : Complex(1.0);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            if (!(std::abs(block[r][c] - turn * known[r][c]) <= kLabelTolerance)) return false;
    return true;
}

std::string Fixed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", std::abs(value) < 5e-4 ? 0.0 : value);
    return text;
}

// The u3 angles of a unitary block, read from whichever elements are not
// zero: a diagonal or antidiagonal block has no phi of its own, so it is 0.
U3Angles LabelAngles(const Block2& b) {
    const bool diagonalSeen = std::abs(b[0][0]) > kLabelTolerance;
    const bool offDiagonalSeen = std::abs(b[1][0]) > kLabelTolerance;
    U3Angles a;
    a.theta = 2.0 * std::atan2(std::abs(b[1][0]), std::abs(b[0][0]));
    a.phase = std::arg(diagonalSeen ? b[0][0] : b[1][0]);
    a.phi = offDiagonalSeen && diagonalSeen ? WrapAngle(std::arg(b[1][0]) - a.phase) : 0.0;
    a.lambda = WrapAngle((diagonalSeen ? std::arg(b[1][1]) - a.phi : std::arg(-b[0][1])) - a.phase);
    a.phase = WrapAngle(a.phase);
    return a;
}

}  // namespace

bool IsCnot(const CircuitGate& gate) {
    return gate.control >= 0 && !gate.openControl && Matches(gate.block, KnownGates()[0].block, false);
}

std::string GateLabel(const CircuitGate& gate) {
    const bool upToPhase = gate.control < 0;
    for (const KnownGate* known = KnownGates(); known->name; ++known)
        if (Matches(gate.block, known->block, upToPhase)) return known->name;
    const U3Angles a = LabelAngles(gate.block);
    const bool phaseMatters = !upToPhase && std::abs(a.phase) > kLabelTolerance;
    if (std::abs(a.theta) <= kLabelTolerance && !phaseMatters) return "P(" + Fixed(WrapAngle(a.phi + a.lambda)) + ")";
    std::string label = (phaseMatters ? "U(" : "U3(") + Fixed(a.theta) + ", " + Fixed(a.phi) + ", " + Fixed(a.lambda);
    if (phaseMatters) label += ", " + Fixed(a.phase);
    return label + ")";
}

}  // namespace selvaris
