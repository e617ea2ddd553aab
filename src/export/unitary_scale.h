#pragma once

#include "core/complex_matrix.h"

namespace selvaris {

// The s > 0 with a = s x U for a unitary U, when a is such a multiple: the
// square root of the mean of the diagonal of a x a-dagger, without overflow or
// underflow on the way (1e154 x a unitary has s = 1e154). Zero for the zero
// matrix; not finite when a holds a value that is not.
double UnitaryScale(const ComplexMatrix& a);

// a / s, element by element.
ComplexMatrix DividedBy(const ComplexMatrix& a, double s);

}  // namespace selvaris
