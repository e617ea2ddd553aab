#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/colour.h"
#include "core/complex_matrix.h"
#include "core/zero_tests.h"

namespace selvaris {

// A message box as it was shown, to be shown again.
struct ShownMessage {
    std::string text;
    int style = 0;
    std::string title;
};

// A recorded gate's inverse and the messages its inversion showed. Both depend
// on the gate alone: each gate is inverted once, and a later step that inverts
// it again shows the kept messages instead.
struct KeptInverse {
    bool inverted = false;
    ComplexMatrix gate;  // the matrix inverted, bit for bit
    ComplexMatrix inverse;
    std::vector<ShownMessage> messages;
};

// The workbench's own variables: counters, histories and display state of one
// decomposition. They live as long as the main window; histories are only ever
// overwritten from slot 0 on, and every reader stays within StepCount.
struct WorkbenchState {
    double Tolerance = 0.0;  // set to kTolerance when the window loads
    std::int16_t StepCount = 0;
    std::int16_t PickedCell = 0;  // 4 * row + column
    std::string GateName;
    std::array<std::string, 51> GateNameHist{};
    ComplexMatrix GateMatrix;
    MatrixHistory GateHist;
    MatrixHistory MergedGateHist;
    MatrixHistory TargetHist;
    bool SingleGateMode = false;
    std::array<std::int16_t, 51> SingleGateHist{};
    bool FinalStepFlag = false;
    bool NotUnitaryFlag = false;
    std::array<std::array<Colour, 4>, 4> CellColours{};
    std::array<Colour, 16> SavedCellColours{};
    bool SavedGridIsR = false;
    std::array<std::string, 31> InverseTextHist{};
    std::array<std::int16_t, 31> InverseShapeHist{};
    std::array<KeptInverse, MatrixHistory::kSlots> KeptInverses{};  // by step number - 1, as GateHist

    // Browsing: the pager of earlier gates, the factor list and its partial products.
    std::int16_t InversePagePos = 0;  // never reset, not even by a new target
    std::int16_t BrowseStep = 0;
    std::int16_t PartialCount = 0;  // never reset, not even by a new target
    ComplexMatrix PartialMatrix;
    MatrixHistory FactorHist;
};

}  // namespace selvaris
