#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/colour.h"
#include "core/complex_matrix.h"
#include "core/window.h"
#include "workbench/workbench_state.h"

namespace selvaris {

// What the workbench shows, and the state its handlers read, between two
// steps: enough to put the window back as it stood before a step.
struct WorkbenchMoment {
    std::vector<ControlState> controls;
    std::int16_t pickedCell = 0;
    std::string gateName;
    bool singleGateMode = false;
    bool savedGridIsR = false;
    std::array<Colour, 16> savedCellColours{};
    std::array<std::array<Colour, 4>, 4> cellColours{};
    std::int16_t inversePagePos = 0;
    std::int16_t browseStep = 0;
    std::string drawSurface;
};

// A step that can be taken back: the moment before it, and how many history
// entries it added (two for the final gate: its own and the remainder's).
struct UndoableStep {
    WorkbenchMoment before;
    int entries = 1;
    bool finalGate = false;
};

// A step taken back, kept whole, so that it comes back bit for bit.
struct RedoableStep {
    UndoableStep step;
    WorkbenchState state;
    ComplexMatrix target;
    MatrixHistory partialProducts;
    std::vector<ControlState> controls;
    std::string drawSurface;
};

}  // namespace selvaris
