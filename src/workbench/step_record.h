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

// The state the workbench's handlers read between two steps. The controls
// are put back from the change log, which keeps only what changed.
struct WorkbenchMoment {
    std::int16_t pickedCell = 0;
    std::string gateName;
    bool singleGateMode = false;
    bool savedGridIsR = false;
    std::array<Colour, 16> savedCellColours{};
    std::array<std::array<Colour, 4>, 4> cellColours{};
    std::int16_t inversePagePos = 0;
    std::int16_t browseStep = 0;
    ControlName drawSurface = "";
};

// The controls changed between two settled moments, as they were before.
using ChangeSegment = std::vector<ChangedControl>;

// A step that can be taken back: the moment before it, how many history
// entries it added (two for the final gate: its own and the remainder's), and
// where the change log stood when it was taken.
struct UndoableStep {
    WorkbenchMoment before;
    int entries = 1;
    bool finalGate = false;
    std::size_t logMark = 0;
};

// A step taken back, kept whole, so that it comes back bit for bit.
struct RedoableStep {
    UndoableStep step;
    WorkbenchState state;
    ComplexMatrix target;
    MatrixHistory partialProducts;
    std::vector<ControlState> controls;
    ControlName drawSurface = "";
    // The change log from the step's mark up to the undo, and what had changed
    // since the last settled moment: undoing the step again after a redo
    // walks back through them.
    std::vector<ChangeSegment> changes;
};

}  // namespace selvaris
