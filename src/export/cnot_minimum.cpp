#include "export/cnot_minimum.h"

#include <array>
#include <cmath>
#include <complex>
#include <utility>

namespace selvaris {
namespace {

using Complex = std::complex<double>;
using Matrix4 = std::array<std::array<Complex, 4>, 4>;

Matrix4 FromMatrix(const ComplexMatrix& m) {
    Matrix4 out;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) out[r][c] = {m.re(r, c), m.im(r, c)};
    return out;
}

Matrix4 Times(const Matrix4& a, const Matrix4& b) {
    Matrix4 p{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k) p[r][c] += a[r][k] * b[k][c];
    return p;
}

Matrix4 Transposed(const Matrix4& a) {
    Matrix4 t;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) t[r][c] = a[c][r];
    return t;
}

// Gaussian elimination with partial pivoting.
Complex Determinant(Matrix4 a) {
    Complex det = 1.0;
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r)
            if (std::abs(a[r][col]) > std::abs(a[pivot][col])) pivot = r;
        if (a[pivot][col] == 0.0) return 0.0;
        if (pivot != col) {
            std::swap(a[pivot], a[col]);
            det = -det;
        }
        det *= a[col][col];
        for (int r = col + 1; r < 4; ++r) {
            const Complex f = a[r][col] / a[col][col];
            for (int c = col; c < 4; ++c) a[r][c] -= f * a[col][c];
        }
    }
    return det;
}

double DistanceFrom(const Matrix4& a, Complex diagonal) {
    double largest = 0.0;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) largest = std::max(largest, std::abs(a[r][c] - (r == c ? diagonal : 0.0)));
    return largest;
}

}  // namespace

int CnotMinimum(const ComplexMatrix& u, double tolerance) {
    if (!u.IsFinite()) return 3;
    const Complex det = Determinant(FromMatrix(u));
    if (!(std::abs(det) > 0.0) || !std::isfinite(std::abs(det))) return 3;
    const Complex root = std::pow(det, 0.25);
    Matrix4 v = FromMatrix(u);
    for (auto& row : v)
        for (Complex& z : row) z /= root;

    // Y x Y: -1 on the antidiagonal corners, +1 on the inner antidiagonal.
    Matrix4 yy{};
    yy[0][3] = yy[3][0] = -1.0;
    yy[1][2] = yy[2][1] = 1.0;
    const Matrix4 g = Times(Times(v, yy), Times(Transposed(v), yy));
    if (DistanceFrom(g, 1.0) <= tolerance || DistanceFrom(g, -1.0) <= tolerance) return 0;
    const Complex trace = g[0][0] + g[1][1] + g[2][2] + g[3][3];
    if (std::abs(trace) <= tolerance && DistanceFrom(Times(g, g), -1.0) <= tolerance) return 1;
    if (std::abs(trace.imag()) <= tolerance) return 2;
    return 3;
}

}  // namespace selvaris
