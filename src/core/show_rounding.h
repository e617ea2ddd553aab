#pragma once

#include "core/complex_matrix.h"

namespace selvaris {

// Two ways to round, equal bit for bit: two elements at once where the
// processor has AVX2, or one at a time (what every x86-64 can do). A test
// holds them to the same bits.
enum class RoundingWidth { Widest, OneElement };

// A matrix as it is shown: every component floored to the decimals its
// largest component leaves room for (4 below 10, none from 10000), then moved
// onto a whole number when within 0.0002 of one.
void RoundForShow(const ComplexMatrix& source, ComplexMatrix& rounded, RoundingWidth width = RoundingWidth::Widest);

}  // namespace selvaris
