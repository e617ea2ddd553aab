#include "core/gate_grid.h"

#include "core/colour.h"
#include "core/zero_tests.h"

namespace selvaris {

std::string GateGridLabel(bool gridIsR, int row, int column) {
    if (!IsMatrixIndex(row) || !IsMatrixIndex(column)) return {};
    std::string name = gridIsR ? "g2_" : "g1_";
    name += static_cast<char>('0' + row);
    name += static_cast<char>('0' + column);
    return name;
}

void PaintGridPattern(const ComplexMatrix& matrix, bool gridIsR, double tolerance, Window& form) {
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            if (row != column) form.SetBackColour(GateGridLabel(gridIsR, row, column), kTeal);

    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            if (!IsZeroForClassification(matrix.re(row, column), matrix.im(row, column), tolerance))
                form.SetBackColour(GateGridLabel(gridIsR, row, column), kDarkRed);
}

void PaintGateGrid(const SharedRegisters& registers, bool savedGridIsR, double tolerance, Window& form) {
    PaintGridPattern(registers.ShowMatrix, savedGridIsR, tolerance, form);
}

void MarkFinalGatePattern(const SharedRegisters& registers, double tolerance, Window& form) {
    PaintGridPattern(registers.FinalGateMatrix, false, tolerance, form);
}

}  // namespace selvaris
