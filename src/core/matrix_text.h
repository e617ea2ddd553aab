#pragma once

#include <cstdint>
#include <string>

#include "core/complex_matrix.h"
#include "core/shared_registers.h"
#include "core/show_rounding.h"
#include "core/window.h"

namespace selvaris {

// N(x): a double as text with at most 15 significant digits, "." as decimal
// point whatever the locale, exponent form (1E-05, 1E+15) outside 1e-4 <= |x| < 1e15.
std::string FormatNumber(double x);

// Rounds ShowMatrix into RoundedShowMatrix (decimals from the largest component, then the snap).
void RoundShowMatrix(SharedRegisters& registers);

// Text of element (row, column) of RoundedShowMatrix into CellText.
void FormatCell(SharedRegisters& registers, std::int16_t row, std::int16_t column);

// ShowMatrix as four lines of four 19-character cells, CR LF after each line, into MatrixText.
void RenderMatrixText(SharedRegisters& registers);

// The MatrixText RenderMatrixText gives for matrix, leaving the registers alone.
std::string MatrixTextOf(const ComplexMatrix& matrix);

// Copies matrix into ShowMatrix, renders it and puts MatrixText into the text box.
void ShowInTextBox(SharedRegisters& registers, const ComplexMatrix& matrix, Window& window, ControlName textBox);

}  // namespace selvaris
