#include "export/gate_rows.h"

#include <complex>

namespace selvaris {

// Row i of the 4x4 product sums, from 0.0, the gate's row i times each row of
// u. Only two of those terms can be other than zeros (u is finite), and a zero
// changes no such sum, which never holds -0; so rows low and high alone are
// added, in the same order, and a row the gate leaves alone stays as it is.
void ApplyGate(const CircuitGate& gate, ComplexMatrix& u) {
    const int bit = 1 << (gate.target & 1);
    const auto acts = [&gate](int row) {
        return gate.control < 0 || ((row >> (gate.control & 1)) & 1) != static_cast<int>(gate.openControl);
    };
    for (const int low : {0, 3 & ~bit}) {
        const int high = low | bit;
        const bool lowActs = acts(low), highActs = acts(high);
        for (int c = 0; c < 4; ++c) {
            double* x = u.v[low][c];
            double* y = u.v[high][c];
            const double xr = x[0], xi = x[1], yr = y[0], yi = y[1];
            const auto mix = [&](const std::array<std::complex<double>, 2>& g, double* out) {
                const double a = g[0].real(), b = g[0].imag(), p = g[1].real(), q = g[1].imag();
                const double re = 0.0 + (a * xr - b * xi);
                const double im = 0.0 + (a * xi + b * xr);
                out[0] = re + (p * yr - q * yi);
                out[1] = im + (p * yi + q * yr);
            };
            if (lowActs) mix(gate.block[0], x);
            if (highActs) mix(gate.block[1], y);
        }
    }
}

ComplexMatrix TurnedBy(double phase, ComplexMatrix u) {
    using Complex = std::complex<double>;
    const Complex turn = std::polar(1.0, phase);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const Complex z = turn * Complex(u.re(r, c), u.im(r, c));
            u.re(r, c) = z.real();
            u.im(r, c) = z.imag();
        }
    return u;
}

}  // namespace selvaris
