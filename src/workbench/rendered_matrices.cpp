#include "workbench/rendered_matrices.h"

#include "core/matrix_text.h"

namespace selvaris {

void RenderedMatrices::Render(SharedRegisters& registers, const ComplexMatrix& matrix) {
    registers.ShowMatrix = matrix;
    for (const Rendered& r : kept_) {
        if (!r.filled || !r.matrix.BitwiseEquals(matrix)) continue;
        registers.RoundedShowMatrix = r.rounded;
        registers.MatrixText = r.text;
        registers.CellText = r.cellText;
        return;
    }
    RenderMatrixText(registers);
    Rendered& r = kept_[next_];
    next_ = (next_ + 1) % kept_.size();
    r.filled = true;
    r.matrix = registers.ShowMatrix;
    r.rounded = registers.RoundedShowMatrix;
    r.text = registers.MatrixText;
    r.cellText = registers.CellText;
}

}  // namespace selvaris
