#include "circuit/gate_shape.h"

#include <array>

namespace selvaris {
namespace {

constexpr int kTopWire = 200;
constexpr int kBottomWire = 600;
constexpr int kWireStart = 100;
constexpr int kWireEnd = 800;
constexpr int kSymbolX = 450;

void AddWires(Drawing& d) {
    d.push_back(LinePrimitive(kWireStart, kTopWire, kWireEnd, kTopWire, kBlack));
    d.push_back(LinePrimitive(kWireStart, kBottomWire, kWireEnd, kBottomWire, kBlack));
}

void AddConnector(Drawing& d) { d.push_back(LinePrimitive(kSymbolX, kTopWire, kSymbolX, kBottomWire, kBlack)); }

// Concentric outlines that together read as a filled dot.
void AddClosedDot(Drawing& d, int y) {
    for (int radius = 15; radius <= 50; radius += 5) d.push_back(CirclePrimitive(kSymbolX, y, radius, kBlack));
}

// The white square blanks the wire and the connector under the ring.
void AddOpenDot(Drawing& d, int y) {
    d.push_back(FilledRectPrimitive(kSymbolX - 50, y - 50, kSymbolX + 50, y + 50, kWhite));
    d.push_back(CirclePrimitive(kSymbolX, y, 50, kBlack));
}

void AddGateBox(Drawing& d, int y) {
    d.push_back(FilledRectPrimitive(kSymbolX - 100, y - 100, kSymbolX + 100, y + 100, kWhite));
    d.push_back(RectOutlinePrimitive(kSymbolX - 100, y - 100, kSymbolX + 100, y + 100, kBlack));
}

void AddControlledGate(Drawing& d, bool closedDot, int controlWire, int gateWire) {
    AddWires(d);
    AddConnector(d);
    if (closedDot)
        AddClosedDot(d, controlWire);
    else
        AddOpenDot(d, controlWire);
    AddGateBox(d, gateWire);
}

}  // namespace

Drawing DrawGateShape(GateShape shape) {
    Drawing d{ClearPrimitive()};
    switch (shape) {
        case kShapeClosedTopControl: AddControlledGate(d, true, kTopWire, kBottomWire); break;
        case kShapeOpenTopControl: AddControlledGate(d, false, kTopWire, kBottomWire); break;
        case kShapeClosedBottomControl: AddControlledGate(d, true, kBottomWire, kTopWire); break;
        case kShapeOpenBottomControl: AddControlledGate(d, false, kBottomWire, kTopWire); break;
        case kShapeBottomWireOnly:
            AddWires(d);
            AddGateBox(d, kBottomWire);
            break;
        case kShapeTopWireOnly:
            AddWires(d);
            AddGateBox(d, kTopWire);
            break;
        case kShapeWiresOnly: AddWires(d); break;
        default: break;
    }
    return d;
}

const Drawing& GateShapeDrawing(GateShape shape) {
    // A step redraws one of a few pictures: each is built once.
    static const std::array<Drawing, kShapeCount> drawings = [] {
        std::array<Drawing, kShapeCount> all;
        for (std::size_t i = 0; i < all.size(); ++i) all[i] = DrawGateShape(static_cast<GateShape>(i));
        return all;
    }();
    static const Drawing kBlank = DrawGateShape(kNoShape);
    return shape >= 0 && static_cast<std::size_t>(shape) < drawings.size() ? drawings[static_cast<std::size_t>(shape)] : kBlank;
}

}  // namespace selvaris
