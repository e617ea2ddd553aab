#pragma once

#include "core/complex_matrix.h"

namespace selvaris {

// The fewest CNOTs any circuit of CNOTs and single-qubit gates needs for the
// two-qubit unitary u (0 to 3), from its invariants in SU(4): with
// g = v (Y x Y) v^T (Y x Y) for v = u / det(u)^(1/4), g = +-I needs none,
// a g with eigenvalues i, i, -i, -i one, a real trace of g two, else three.
// tolerance is how far from exact a condition may be (a typed matrix is only
// nearly unitary). A matrix that is singular or not finite gives 3.
int CnotMinimum(const ComplexMatrix& u, double tolerance);

}  // namespace selvaris
