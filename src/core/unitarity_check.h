#pragma once

#include "core/complex_matrix.h"
#include "core/platform.h"
#include "core/shared_registers.h"

namespace selvaris {

// True when p1 = A x A-dagger and p2 = A-dagger x A are, within tol on every
// real and imaginary part (bounds inclusive), one and the same real multiple
// lambda of the identity with lambda above tol. Products that are zero within
// tol (a zero matrix, a tiny multiple of a unitary one) say nothing about
// unitarity and fail, as do NaN and infinite values.
bool IsMultipleOfUnitary(const ComplexMatrix& p1, const ComplexMatrix& p2, double tol);

// Checks CheckMatrix. On failure shows the message, leaves the adjoint and both
// products in AdjointMatrix, TargetTimesAdjoint and AdjointTimesTarget and shows
// them in the check window until the user closes it. Returns NotUnitaryFlag:
// true when the matrix is not unitary.
bool CheckUnitarity(SharedRegisters& registers, Platform& platform, double tolerance);

}  // namespace selvaris
