#pragma once

#include <array>
#include <complex>
#include <string_view>

namespace selvaris {

// A 2x2 matrix, row by row: {v00, v01, v10, v11}.
using QasmQubitMatrix = std::array<std::complex<double>, 4>;

enum class QasmGateShape { OneQubit, Controlled, Swap };

// A gate of qelib1.inc: a one-qubit matrix, the same matrix controlled by the
// first operand and applied to the second, or the exchange of the two qubits.
struct QasmGate {
    std::string_view name;
    int parameters;
    QasmGateShape shape;
    QasmQubitMatrix (*matrix)(const double* parameters);  // nullptr for Swap

    int qubits() const { return shape == QasmGateShape::OneQubit ? 1 : 2; }
};

// The gate of that name, or nullptr.
const QasmGate* FindQasmGate(std::string_view name);

}  // namespace selvaris
