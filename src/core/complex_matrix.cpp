#include "core/complex_matrix.h"

#include <cmath>
#include <cstring>
#include <stdexcept>

namespace selvaris {

ComplexMatrix ComplexMatrix::Identity() {
    ComplexMatrix m;
    for (int i = 0; i < kSize; ++i) m.re(i, i) = 1.0;
    return m;
}

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

ComplexMatrix ComplexProduct(const ComplexMatrix& a, const ComplexMatrix& b) {
    ComplexMatrix result;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            double re = 0.0;
            double im = 0.0;
            for (int k = 0; k < 4; ++k) {
                re = re + (a.re(i, k) * b.re(k, j) - a.im(i, k) * b.im(k, j));
                im = im + (a.re(i, k) * b.im(k, j) + a.im(i, k) * b.re(k, j));
            }
            result.re(i, j) = re;
            result.im(i, j) = im;
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
