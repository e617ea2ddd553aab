#include "export/unitary_scale.h"

#include <cmath>
#include <limits>

namespace selvaris {
namespace {

// sqrt(sum |a_rc * 2^shift|^2 / 4): a power of two changes no digit.
double RootMeanSquare(const ComplexMatrix& a, int shift) {
    double sumOfSquares = 0.0;
    for (int r = 0; r < ComplexMatrix::kSize; ++r)
        for (int c = 0; c < ComplexMatrix::kSize; ++c) {
            // ldexp by 0 changes nothing, and as a library call it costs more than the rest.
            const double re = shift ? std::ldexp(a.re(r, c), shift) : a.re(r, c);
            const double im = shift ? std::ldexp(a.im(r, c), shift) : a.im(r, c);
            sumOfSquares = sumOfSquares + (re * re + im * im);
        }
    return std::sqrt(sumOfSquares / ComplexMatrix::kSize);
}

}  // namespace

double UnitaryScale(const ComplexMatrix& a) {
    const double plain = RootMeanSquare(a, 0);
    if (std::isfinite(plain) && plain > 1e-150) return plain;
    // The squares left the range of a double (1e154 x a unitary overflows, a
    // tiny one underflows): as hypot does, bring the largest element near 1 first.
    double largest = 0.0;
    for (int r = 0; r < ComplexMatrix::kSize; ++r)
        for (int c = 0; c < ComplexMatrix::kSize; ++c)
            for (const double part : {a.re(r, c), a.im(r, c)}) {
                if (std::isnan(part)) return std::numeric_limits<double>::quiet_NaN();
                largest = std::fmax(largest, std::fabs(part));
            }
    if (largest == 0.0 || !std::isfinite(largest)) return largest;
    int exponent = 0;
    std::frexp(largest, &exponent);
    return std::ldexp(RootMeanSquare(a, -exponent), exponent);
}

ComplexMatrix DividedBy(const ComplexMatrix& a, double s) {
    ComplexMatrix result;
    for (int r = 0; r < ComplexMatrix::kSize; ++r)
        for (int c = 0; c < ComplexMatrix::kSize; ++c)
            for (int part = 0; part < 2; ++part) result.v[r][c][part] = a.v[r][c][part] / s;
    return result;
}

}  // namespace selvaris
