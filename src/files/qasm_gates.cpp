#include "files/qasm_gates.h"

#include <cmath>
#include <numbers>

namespace selvaris {
namespace {

using C = std::complex<double>;
using Shape = QasmGateShape;

constexpr double kHalf = 0.5;
constexpr double kRoot = std::numbers::sqrt2 / 2;
constexpr C kI{0, 1};

C Turn(double angle) { return {std::cos(angle), std::sin(angle)}; }

// Phases are multiplied as unit numbers rather than added as angles: with a
// huge angle the sum would round, and the matrix would stop being unitary.
QasmQubitMatrix U3(double theta, double phi, double lambda) {
    const double c = std::cos(theta / 2), s = std::sin(theta / 2);
    const C ePhi = Turn(phi), eLambda = Turn(lambda);
    return {c, -eLambda * s, ePhi * s, ePhi * eLambda * c};
}

QasmQubitMatrix Phase(const double* p) { return {1, 0, 0, Turn(p[0])}; }
QasmQubitMatrix U(const double* p) { return U3(p[0], p[1], p[2]); }
QasmQubitMatrix X(const double*) { return {0, 1, 1, 0}; }
QasmQubitMatrix Y(const double*) { return {0, -kI, kI, 0}; }
QasmQubitMatrix Z(const double*) { return {1, 0, 0, -1}; }
QasmQubitMatrix H(const double*) { return {kRoot, kRoot, kRoot, -kRoot}; }

QasmQubitMatrix Rx(const double* p) {
    const double c = std::cos(p[0] / 2), s = std::sin(p[0] / 2);
    return {c, -kI * s, -kI * s, c};
}

QasmQubitMatrix Ry(const double* p) {
    const double c = std::cos(p[0] / 2), s = std::sin(p[0] / 2);
    return {c, -s, s, c};
}

QasmQubitMatrix Rz(const double* p) {
    const C e = Turn(p[0] / 2);
    return {std::conj(e), 0, 0, e};
}

constexpr QasmGate kGates[] = {
    {"U", 3, Shape::OneQubit, U},
    {"u", 3, Shape::OneQubit, U},
    {"u3", 3, Shape::OneQubit, U},
    {"u2", 2, Shape::OneQubit, [](const double* p) { return U3(std::numbers::pi / 2, p[0], p[1]); }},
    {"u1", 1, Shape::OneQubit, Phase},
    {"p", 1, Shape::OneQubit, Phase},
    {"x", 0, Shape::OneQubit, X},
    {"y", 0, Shape::OneQubit, Y},
    {"z", 0, Shape::OneQubit, Z},
    {"h", 0, Shape::OneQubit, H},
    {"s", 0, Shape::OneQubit, [](const double*) { return QasmQubitMatrix{1, 0, 0, kI}; }},
    {"sdg", 0, Shape::OneQubit, [](const double*) { return QasmQubitMatrix{1, 0, 0, -kI}; }},
    {"t", 0, Shape::OneQubit, [](const double*) { return QasmQubitMatrix{1, 0, 0, C(kRoot, kRoot)}; }},
    {"tdg", 0, Shape::OneQubit, [](const double*) { return QasmQubitMatrix{1, 0, 0, C(kRoot, -kRoot)}; }},
    {"rx", 1, Shape::OneQubit, Rx},
    {"ry", 1, Shape::OneQubit, Ry},
    {"rz", 1, Shape::OneQubit, Rz},
    {"sx", 0, Shape::OneQubit,
     [](const double*) {
         const C plus(kHalf, kHalf), minus(kHalf, -kHalf);
         return QasmQubitMatrix{plus, minus, minus, plus};
     }},
    {"id", 0, Shape::OneQubit, [](const double*) { return QasmQubitMatrix{1, 0, 0, 1}; }},
    {"CX", 0, Shape::Controlled, X},
    {"cx", 0, Shape::Controlled, X},
    {"cy", 0, Shape::Controlled, Y},
    {"cz", 0, Shape::Controlled, Z},
    {"ch", 0, Shape::Controlled, H},
    {"cu1", 1, Shape::Controlled, Phase},
    {"cp", 1, Shape::Controlled, Phase},
    {"cu3", 3, Shape::Controlled, U},
    {"crx", 1, Shape::Controlled, Rx},
    {"cry", 1, Shape::Controlled, Ry},
    {"crz", 1, Shape::Controlled, Rz},
    {"swap", 0, Shape::Swap, nullptr},
};

}  // namespace

const QasmGate* FindQasmGate(std::string_view name) {
    for (const QasmGate& gate : kGates)
        if (gate.name == name) return &gate;
    return nullptr;
}

}  // namespace selvaris
