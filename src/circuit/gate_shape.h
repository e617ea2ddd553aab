#pragma once

#include <cstdint>

#include "core/complex_matrix.h"
#include "core/drawing.h"

namespace selvaris {

// Circuit-picture code 0..6 of a gate; any other value draws nothing.
using GateShape = std::int16_t;

// The code of the first rule that matches, else defaultShape.
GateShape ClassifyGateShape(const ComplexMatrix& gate, GateShape defaultShape, double tolerance);

// The picture of a code as drawing steps in twips, starting with a clear.
Drawing DrawGateShape(GateShape shape);

}  // namespace selvaris
