#pragma once

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "core/complex_matrix.h"
#include "export/qasm_reader.h"
#include "export/unitary_scale.h"

namespace selvaris::testing {

// How far a written OpenQASM program, multiplied out, is from target / s.
inline double QasmDistanceFromTarget(const std::string& program, const ComplexMatrix& target) {
    const Unitary4 u = ReadQasmUnitary(program);
    const double s = UnitaryScale(target);
    double largest = 0.0;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            largest = std::max({largest, std::abs(u[r][c].real() - target.re(r, c) / s),
                                std::abs(u[r][c].imag() - target.im(r, c) / s)});
    return largest;
}

// The "circuit_error" a JSON export states, or NaN when it states none.
inline double StatedCircuitError(const std::string& json) {
    const std::string key = "\"circuit_error\": ";
    const std::size_t at = json.find(key);
    double value = std::numeric_limits<double>::quiet_NaN();
    if (at != std::string::npos) std::from_chars(json.data() + at + key.size(), json.data() + json.size(), value);
    return value;
}

}  // namespace selvaris::testing
