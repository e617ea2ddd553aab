#include "core/gate_grid.h"

#include <array>

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

namespace {

// The labels' names made once: a window finds a name it has seen at the same
// address again at once.
const std::string& GateGridName(bool gridIsR, int row, int column) {
    static const auto names = [] {
        std::array<std::string, 32> all;
        for (int grid = 0; grid < 2; ++grid)
            for (int r = 0; r < 4; ++r)
                for (int c = 0; c < 4; ++c)
                    all[static_cast<std::size_t>(16 * grid + 4 * r + c)] = GateGridLabel(grid == 1, r, c);
        return all;
    }();
    return names[static_cast<std::size_t>(16 * (gridIsR ? 1 : 0) + 4 * row + column)];
}

}  // namespace

void PaintGridPattern(const ComplexMatrix& matrix, bool gridIsR, double tolerance, Window& form) {
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            if (row != column) form.SetBackColour(GateGridName(gridIsR, row, column), kTeal);

    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            if (!IsZeroForClassification(matrix.re(row, column), matrix.im(row, column), tolerance))
                form.SetBackColour(GateGridName(gridIsR, row, column), kDarkRed);
}

void PaintGateGrid(const SharedRegisters& registers, bool savedGridIsR, double tolerance, Window& form) {
    PaintGridPattern(registers.ShowMatrix, savedGridIsR, tolerance, form);
}

void MarkFinalGatePattern(const SharedRegisters& registers, double tolerance, Window& form) {
    PaintGridPattern(registers.FinalGateMatrix, false, tolerance, form);
}

}  // namespace selvaris
