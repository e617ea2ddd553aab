#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/drawing.h"
#include "export/circuit.h"

namespace selvaris {

// Where one gate of the circuit was drawn: the centre of its symbol on the
// target wire, in twips.
struct GateSpot {
    std::size_t factor = 0;
    std::string label;  // GateLabel of the gate
    bool cnot = false;  // drawn as a target circle rather than a box
    int x = 0;
    int y = 0;
};

// The columns of one decomposition factor; a click anywhere between left and
// right, across the wires, means that factor.
struct FactorColumns {
    std::size_t factor = 0;
    int left = 0;
    int right = 0;
};

// The whole circuit as drawing steps in twips, left to right in the order the
// gates act, on two wires: q1 on top (the high-order bit of the state index)
// and q0 below.
struct CircuitPicture {
    Drawing drawing;
    int width = 0;
    int height = 0;
    std::array<int, 2> wireY{};           // by wire: q0, q1
    std::vector<GateSpot> gates;          // in drawing order
    std::vector<FactorColumns> factors;   // left to right
    std::optional<std::size_t> bandStep;  // the drawing step of the highlighted factor's band
};

// Lays out the circuit in one of its forms; highlighted, if any, is the
// factor shown with a pale band behind its gates.
CircuitPicture LayOutCircuit(const Circuit& circuit, CircuitBasis basis,
                             std::optional<std::size_t> highlighted = std::nullopt);

// The factor whose columns hold the point, if any.
std::optional<std::size_t> FactorAt(const CircuitPicture& picture, int x, int y);

}  // namespace selvaris
