#include "core/complex_matrix.h"

#include <cmath>
#include <cstring>
#include <stdexcept>

namespace selvaris {

ComplexMatrix ComplexMatrix::InitialFinalGate() {
    ComplexMatrix m = Identity();
    m.re(3, 3) = 0.0;
    m.im(3, 3) = -1.0;
    return m;
}

bool ComplexMatrix::IsAllZero() const {
    for (const auto& row : v)
        for (const auto& element : row)
            for (double part : element)
                if (part != 0.0) return false;
    return true;
}

bool ComplexMatrix::IsFinite() const {
    for (const auto& row : v)
        for (const auto& element : row)
            for (double part : element)
                if (!std::isfinite(part)) return false;
    return true;
}

bool ComplexMatrix::BitwiseEquals(const ComplexMatrix& other) const {
    return std::memcmp(v, other.v, sizeof v) == 0;
}

namespace {

// Two doubles worked on side by side: two columns of a row at once, each lane
// doing exactly what a plain loop does to one element, so the bits are the same.
typedef double Lanes __attribute__((vector_size(16)));

}  // namespace

ComplexMatrix ComplexProduct(const ComplexMatrix& a, const ComplexMatrix& b) {
    // b's real and imaginary parts apart, two columns to a pair of lanes.
    Lanes bRe[4][2], bIm[4][2];
    for (int k = 0; k < 4; ++k)
        for (int half = 0; half < 2; ++half) {
            bRe[k][half] = Lanes{b.re(k, 2 * half), b.re(k, 2 * half + 1)};
            bIm[k][half] = Lanes{b.im(k, 2 * half), b.im(k, 2 * half + 1)};
        }
    ComplexMatrix result;
    for (int i = 0; i < 4; ++i) {
        for (int half = 0; half < 2; ++half) {
            Lanes re = {0.0, 0.0};
            Lanes im = {0.0, 0.0};
            for (int k = 0; k < 4; ++k) {
                const Lanes ar = {a.re(i, k), a.re(i, k)};
                const Lanes ai = {a.im(i, k), a.im(i, k)};
                re = re + (ar * bRe[k][half] - ai * bIm[k][half]);
                im = im + (ar * bIm[k][half] + ai * bRe[k][half]);
            }
            for (int lane = 0; lane < 2; ++lane) {
                result.re(i, 2 * half + lane) = re[lane];
                result.im(i, 2 * half + lane) = im[lane];
            }
        }
    }
    return result;
}

ComplexMatrix Adjoint(const ComplexMatrix& a) {
    ComplexMatrix result;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            result.re(r, c) = a.re(c, r);
            result.im(r, c) = -a.im(c, r);
        }
    }
    return result;
}

int MatrixHistory::checked(int slot) {
    if (slot < 0 || slot >= kSlots) throw std::out_of_range("matrix history slot out of range");
    return slot;
}

}  // namespace selvaris
