#pragma once

#include "core/complex_matrix.h"
#include "core/lane_width.h"

namespace selvaris {

// A matrix as it is shown: every component floored to the decimals its
// largest component leaves room for (4 below 10, none from 10000), then moved
// onto a whole number when within 0.0002 of one.
void RoundForShow(const ComplexMatrix& source, ComplexMatrix& rounded, LaneWidth width = LaneWidth::Widest);

}  // namespace selvaris
