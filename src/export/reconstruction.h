#pragma once

#include <string>
#include <vector>

#include "core/complex_matrix.h"
#include "export/decomposition.h"

namespace selvaris {

// The product of all factors, formed from the right as the step browser's
// partial products are: factors[c-2] x factors[c-1] first, then each earlier
// factor times that. An empty list gives the identity.
ComplexMatrix ProductOfFactors(const std::vector<ComplexMatrix>& factors);

// The largest absolute difference over all elements and both parts; NaN when
// any part is NaN, so a broken product never passes for a small error.
double LargestDifference(const ComplexMatrix& a, const ComplexMatrix& b);

// How far the product of the factors is from the target.
double ReconstructionError(const Decomposition& decomposition);

// The line the main window shows, e.g. "再構成誤差 3.3e-16": two significant
// digits in scientific notation, "0" for an exact match.
std::string ReconstructionErrorLine(double error);

// The error alone in that format ("3.3e-16").
std::string ShortScientific(double value);

}  // namespace selvaris
