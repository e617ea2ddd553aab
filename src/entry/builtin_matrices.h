#pragma once

#include "core/complex_matrix.h"

namespace selvaris {

// The built-in matrices of the entry window. None is normalised: the QFT and
// IQFT matrices are twice a unitary matrix, and the test matrix holds 1.4142
// itself, not the square root of 2.
ComplexMatrix QftMatrix();
ComplexMatrix IqftMatrix();  // the conjugate transpose of QftMatrix()
ComplexMatrix TestMatrix();

}  // namespace selvaris
