#include "export/unitary_scale.h"

#include <cmath>

namespace selvaris {

double UnitaryScale(const ComplexMatrix& a) {
    double sumOfSquares = 0.0;
    for (int r = 0; r < ComplexMatrix::kSize; ++r)
        for (int c = 0; c < ComplexMatrix::kSize; ++c)
            sumOfSquares = sumOfSquares + (a.re(r, c) * a.re(r, c) + a.im(r, c) * a.im(r, c));
    return std::sqrt(sumOfSquares / ComplexMatrix::kSize);
}

ComplexMatrix DividedBy(const ComplexMatrix& a, double s) {
    ComplexMatrix result;
    for (int r = 0; r < ComplexMatrix::kSize; ++r)
        for (int c = 0; c < ComplexMatrix::kSize; ++c)
            for (int part = 0; part < 2; ++part) result.v[r][c][part] = a.v[r][c][part] / s;
    return result;
}

}  // namespace selvaris
