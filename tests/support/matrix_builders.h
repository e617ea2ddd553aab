#pragma once

#include <cmath>
#include <complex>
#include <initializer_list>
#include <random>

#include "core/complex_matrix.h"

namespace selvaris::testing {

inline const double kInvSqrt2 = 1.0 / std::sqrt(2.0);

struct Entry {
    int row, column;
    double re, im;
};

// base with the listed elements replaced.
inline ComplexMatrix Make(std::initializer_list<Entry> entries, ComplexMatrix base = ComplexMatrix()) {
    for (const Entry& e : entries) {
        base.re(e.row, e.column) = e.re;
        base.im(e.row, e.column) = e.im;
    }
    return base;
}

// A random unitary matrix: Gram-Schmidt over random complex columns.
inline ComplexMatrix RandomUnitary(std::mt19937_64& rng) {
    std::normal_distribution<double> gauss;
    std::complex<double> col[4][4];
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) col[c][r] = {gauss(rng), gauss(rng)};
        for (int k = 0; k < c; ++k) {
            std::complex<double> dot;
            for (int r = 0; r < 4; ++r) dot += std::conj(col[k][r]) * col[c][r];
            for (int r = 0; r < 4; ++r) col[c][r] -= dot * col[k][r];
        }
        double norm = 0.0;
        for (int r = 0; r < 4; ++r) norm += std::norm(col[c][r]);
        norm = std::sqrt(norm);
        for (int r = 0; r < 4; ++r) col[c][r] /= norm;
    }
    ComplexMatrix m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            m.re(r, c) = col[c][r].real();
            m.im(r, c) = col[c][r].imag();
        }
    return m;
}

// m as a user types it: every part rounded to four decimals.
inline ComplexMatrix FourDecimals(const ComplexMatrix& m) {
    ComplexMatrix typed = m;
    for (auto& row : typed.v)
        for (auto& element : row)
            for (double& part : element) part = std::round(part * 1e4) / 1e4;
    return typed;
}

}  // namespace selvaris::testing
