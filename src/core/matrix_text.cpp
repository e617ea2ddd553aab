#include "core/matrix_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/number_text.h"
#include "core/show_rounding.h"

namespace selvaris {

namespace {

constexpr std::size_t kPadBase = 18;

}  // namespace

void RoundShowMatrix(SharedRegisters& registers) { RoundForShow(registers.ShowMatrix, registers.RoundedShowMatrix); }

namespace {

// Longest cell: two numbers, "+" and "i".
constexpr std::size_t kCellTextCapacity = 2 * kNumberTextCapacity + 2;
constexpr std::size_t kCellWidth = kPadBase + 1;
static_assert(kCellTextCapacity >= kCellWidth);
constexpr std::size_t kMatrixTextCapacity = 16 * kCellTextCapacity + 4 * 2;

char* Append(char* out, const char* text, std::size_t length) {
    std::memcpy(out, text, length);
    return out + length;
}

// The text of one element, written at out (room for kCellTextCapacity characters).
char* WriteCell(char* out, double re, double im) {
    if (re == 0 && im == 0) return Append(out, "0", 1);
    if (im == 0) return WriteNumber(out, re);
    if (re == 0) {
        if (im == 1) return Append(out, "i", 1);
        if (im == -1) return Append(out, "-i", 2);
        return Append(WriteNumber(out, im), "i", 1);
    }
    out = WriteNumber(out, re);
    if (im == 1) return Append(out, "+i", 2);
    if (im == -1) return Append(out, "-i", 2);
    if (!(im < 0)) *out++ = '+';  // positive, or NaN
    return Append(WriteNumber(out, im), "i", 1);
}

}  // namespace

void FormatCell(SharedRegisters& registers, std::int16_t row, std::int16_t column) {
    if (row < 0 || row > 3 || column < 0 || column > 3) {
        registers.CellText.clear();
        return;
    }
    char cell[kCellTextCapacity];
    const char* end =
        WriteCell(cell, registers.RoundedShowMatrix.re(row, column), registers.RoundedShowMatrix.im(row, column));
    // assign keeps the string's storage once it is large enough.
    registers.CellText.assign(cell, static_cast<std::size_t>(end - cell));
}

namespace {

// The text of an already rounded matrix into text, and its last cell's into cellText.
void WriteMatrixText(const ComplexMatrix& rounded, std::string& text, std::string& cellText) {
    // Built on the stack and copied once, so a render allocates nothing after the first.
    char matrixText[kMatrixTextCapacity];
    char* out = matrixText;
    char* lastCell = matrixText;
    char* lastCellEnd = matrixText;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            // Blank the whole width first: a fixed-size fill the compiler inlines.
            std::memset(out, ' ', kCellWidth);
            lastCell = out;
            lastCellEnd = WriteCell(out, rounded.re(r, c), rounded.im(r, c));
            out = std::max(lastCellEnd, out + kCellWidth);
        }
        out = Append(out, "\r\n", 2);
    }
    cellText.assign(lastCell, static_cast<std::size_t>(lastCellEnd - lastCell));
    text.assign(matrixText, static_cast<std::size_t>(out - matrixText));
}

}  // namespace

void RenderMatrixText(SharedRegisters& registers) {
    RoundShowMatrix(registers);
    // The last cell's text stays behind in CellText, as it would after FormatCell.
    WriteMatrixText(registers.RoundedShowMatrix, registers.MatrixText, registers.CellText);
}

std::string MatrixTextOf(const ComplexMatrix& matrix) {
    ComplexMatrix rounded;
    RoundForShow(matrix, rounded);
    std::string text, lastCell;
    WriteMatrixText(rounded, text, lastCell);
    return text;
}

void ShowInTextBox(SharedRegisters& registers, const ComplexMatrix& matrix, Window& window, ControlName textBox) {
    registers.ShowMatrix = matrix;
    if (!window.TextsShown()) return;
    RenderMatrixText(registers);
    window.SetText(textBox, registers.MatrixText);
}

}  // namespace selvaris
