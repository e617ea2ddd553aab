#pragma once

#include "core/complex_matrix.h"

namespace selvaris {

// Which of two ways, equal bit for bit, the rounding takes: the best the
// processor offers (two elements at once where it can), or one element at a time.
enum class RoundingPath { Best, ElementAtATime };

// A matrix as it is shown: every component floored to the decimals its
// largest component leaves room for (4 below 10, none from 10000), then moved
// onto a whole number when within 0.0002 of one.
void RoundForShow(const ComplexMatrix& source, ComplexMatrix& rounded, RoundingPath path = RoundingPath::Best);

}  // namespace selvaris
