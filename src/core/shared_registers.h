#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/complex_matrix.h"

namespace selvaris {

// Every global register and flag through which the windows exchange matrices.
// The application creates one and hands a reference to every window.
struct SharedRegisters {
    ComplexMatrix EntryMatrix;
    ComplexMatrix FinalGateMatrix;
    ComplexMatrix CurrentTarget;
    ComplexMatrix CheckMatrix;
    ComplexMatrix AdjointMatrix;
    ComplexMatrix TargetTimesAdjoint;
    ComplexMatrix AdjointTimesTarget;
    ComplexMatrix ShowMatrix;
    ComplexMatrix RoundedShowMatrix;
    ComplexMatrix InverseSource;
    ComplexMatrix InverseResult;
    ComplexMatrix EliminationMatrix;
    ComplexMatrix EliminationWorkA;
    ComplexMatrix EliminationWorkB;
    // Row exchanges of the inversion: record w is (PivotIndex[0][w], PivotIndex[1][w]); -1 = unused.
    std::array<std::array<std::int16_t, 4>, 2> PivotIndex{{{-1, -1, -1, -1}, {-1, -1, -1, -1}}};
    MatrixHistory PartialProducts;

    std::string MatrixText;
    std::string CellText;

    bool TargetIsSet = false;
    bool FinalGateMode = false;
    bool EntryCancelled = false;
    bool ExecuteChosen = false;
    bool EntryError = false;
    std::int16_t EntryErrorRow = 0;
    std::int16_t EntryErrorColumn = 0;
    // Every cell refused by the last parse of the entry cells: bit 4 * row + column.
    std::uint16_t EntryRefusedCells = 0;
    bool MatrixFileLoaded = false;
};

}  // namespace selvaris
