#pragma once

#include <string>

#include "core/complex_matrix.h"
#include "core/shared_registers.h"
#include "core/window.h"

namespace selvaris {

// Name of the label of element (row, column) in the L grid ("g1_21") or the R grid ("g2_21");
// empty, the name of no label, for a row or column outside 0..3.
std::string GateGridLabel(bool gridIsR, int row, int column);

// Paints one gate grid from the nonzero pattern of a matrix: the twelve
// off-diagonal labels teal, then every label whose element has a part strictly
// outside [-tolerance, tolerance] dark red. Zero diagonal labels and the other
// grid keep their colours.
void PaintGridPattern(const ComplexMatrix& matrix, bool gridIsR, double tolerance, Window& form);

// The pattern of ShowMatrix in the grid the user chose for the current step.
void PaintGateGrid(const SharedRegisters& registers, bool savedGridIsR, double tolerance, Window& form);

// The pattern of FinalGateMatrix, always in the L grid.
void MarkFinalGatePattern(const SharedRegisters& registers, double tolerance, Window& form);

}  // namespace selvaris
