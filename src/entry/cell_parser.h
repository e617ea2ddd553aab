#pragma once

#include <string>
#include <string_view>

#include "core/platform.h"
#include "core/shared_registers.h"
#include "entry/cell_error.h"

namespace selvaris {

// Longest cell text, in UTF-16 code units.
inline constexpr int kMaxCellLength = 15;

// The outcome of checking one cell text: its value when accepted, the reason
// otherwise.
struct CellCheck {
    bool accepted = false;
    double real = 0.0;
    double imag = 0.0;
    CellError error = CellError::BadStart;  // meaningful only when refused
};

// Checks a cell text (as UTF-16 code units) against the cell syntax and converts it.
CellCheck CheckCell(std::u16string_view units);

// The same for UTF-8 text.
CellCheck CheckCellText(std::string_view utf8);

// The entry window's values of the last accepted cell.
struct CellValues {
    double CellReal = 0.0;
    double CellImag = 0.0;
};

// Checks and converts the text of the cell in 0-based row and column. Accepted:
// the value goes into values. Refused: one message box (style 48, title
// "Message") naming the cell, then EntryError is set and EntryErrorRow /
// EntryErrorColumn hold the cell's position, its bit is added to
// EntryRefusedCells; values keep what they held.
// A row or column outside 0..3 names no cell: EntryError is set, nothing else.
void ParseCell(const std::string& text, int row, int column, CellValues& values, SharedRegisters& registers,
               Platform& platform);

}  // namespace selvaris
