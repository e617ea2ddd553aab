#include "core/matrix_text.h"

namespace selvaris {

// Placeholder bodies until the rendering lands.
std::string FormatNumber(double) { return "0"; }
void RoundShowMatrix(SharedRegisters& registers) { registers.RoundedShowMatrix = registers.ShowMatrix; }
void FormatCell(SharedRegisters& registers, std::int16_t, std::int16_t) { registers.CellText = "0"; }
void RenderMatrixText(SharedRegisters& registers) { registers.MatrixText.clear(); }

void ShowInTextBox(SharedRegisters& registers, const ComplexMatrix& matrix, Window& window,
                   const std::string& textBox) {
    registers.ShowMatrix = matrix;
    RenderMatrixText(registers);
    window.SetText(textBox, registers.MatrixText);
}

}  // namespace selvaris
