#pragma once

#include <cstddef>
#include <cstdint>

#include "core/complex_matrix.h"
#include "core/drawing.h"

namespace selvaris {

// Circuit-picture code 0..6 of a gate; any other value draws nothing.
using GateShape = std::int16_t;

// Picture codes: which wire carries the control dot and which the gate box.
inline constexpr GateShape kShapeClosedTopControl = 0;   // acts on states 2 and 3
inline constexpr GateShape kShapeOpenTopControl = 1;     // acts on states 0 and 1
inline constexpr GateShape kShapeClosedBottomControl = 2;  // acts on states 1 and 3
inline constexpr GateShape kShapeOpenBottomControl = 3;  // acts on states 0 and 2
inline constexpr GateShape kShapeBottomWireOnly = 4;     // one block on (0,1) and (2,3)
inline constexpr GateShape kShapeTopWireOnly = 5;        // one block on (0,2) and (1,3)
inline constexpr GateShape kShapeWiresOnly = 6;          // a multiple of the identity
inline constexpr GateShape kNoShape = -1;
inline constexpr std::size_t kShapeCount = 7;  // the codes 0 to 6

// The code of the first rule that matches, else defaultShape. Zero means both
// parts within [-tolerance, tolerance]; the diagonal tests that pick a control
// (rules 2 to 4) call an element nonzero when a part reaches +-tolerance.
GateShape ClassifyGateShape(const ComplexMatrix& gate, GateShape defaultShape, double tolerance);

// The picture of a code as drawing steps in twips, starting with a clear.
Drawing DrawGateShape(GateShape shape);
// The same picture, built once for the program.
const Drawing& GateShapeDrawing(GateShape shape);

}  // namespace selvaris
