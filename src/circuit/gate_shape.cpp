#include "circuit/gate_shape.h"

namespace selvaris {

GateShape ClassifyGateShape(const ComplexMatrix&, GateShape defaultShape, double) { return defaultShape; }

Drawing DrawGateShape(GateShape) { return {ClearPrimitive()}; }

}  // namespace selvaris
