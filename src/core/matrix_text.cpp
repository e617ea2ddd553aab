#include "core/matrix_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/number_text.h"

namespace selvaris {

namespace {

constexpr double kSnapMargin = 0.0002;
constexpr std::size_t kPadBase = 18;

// Decimals shown for a matrix whose largest component (real and imaginary
// parts taken separately) is m. Every value of 10000 or more shows none.
int DecimalCount(double m) {
    if (m >= 10000) return 0;
    if (m >= 1000) return 1;
    if (m >= 100) return 2;
    if (m >= 10) return 3;
    return 4;
}

double LargestComponent(const ComplexMatrix& m) {
    double largest = 0.0;
    for (const auto& row : m.v)
        for (const auto& element : row)
            for (double part : element)
                if (std::fabs(part) > largest) largest = std::fabs(part);  // NaN never wins
    return largest;
}

// The imaginary part goes through a 32-bit integer once scaled; a value that
// does not fit one (NaN, infinite or beyond +-2^31) keeps its floored Double.
double FloorImaginary(double scaledFloor) {
    constexpr double kLow = static_cast<double>(std::numeric_limits<std::int32_t>::min());
    constexpr double kHigh = static_cast<double>(std::numeric_limits<std::int32_t>::max());
    if (scaledFloor >= kLow && scaledFloor <= kHigh) return static_cast<double>(static_cast<std::int32_t>(scaledFloor));
    return scaledFloor;
}

// What is left of a > 0 after taking away 10000s, then 1000s, 100s, 10s and 1s
// while more than each remains: a value in (0, 1], 1 for whole numbers. Every
// such subtraction is exact in binary, so a - (ceil(a) - 1) is the same value,
// reached without a loop that would never end for huge or infinite a.
double SnapRemainder(double a) {
    if (a == 0.0) return 0.0;
    if (std::floor(a) == a) return 1.0;  // whole numbers, infinity included
    return a - (std::ceil(a) - 1.0);
}

// Moves a value lying within the margin of a whole number onto it: a small
// fraction is dropped, one just short of the next whole number is lifted.
double Snap(double x) {
    if (!std::isfinite(x)) return x;
    const double sign = x >= 0 ? 1.0 : -1.0;
    const double a = std::fabs(x);
    const double r = SnapRemainder(a);
    double v;
    if (r <= kSnapMargin) {
        v = std::floor(a);
    } else {
        v = a;
        if (r + kSnapMargin >= 1) v = std::floor(a + kSnapMargin);
    }
    return v * sign;
}

}  // namespace

void RoundShowMatrix(SharedRegisters& registers) {
    static constexpr double kScale[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};
    const ComplexMatrix& source = registers.ShowMatrix;
    ComplexMatrix& rounded = registers.RoundedShowMatrix;
    const int d = DecimalCount(LargestComponent(source));
    const double scale = kScale[d];

    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            rounded.re(r, c) = std::floor(source.re(r, c) * scale) / scale;
            rounded.im(r, c) = FloorImaginary(std::floor(source.im(r, c) * scale)) / scale;
        }
    }
    // With no decimals every value is already whole and the snap changes nothing.
    if (d == 0) return;
    for (int part = 0; part < 2; ++part)
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) rounded.v[r][c][part] = Snap(rounded.v[r][c][part]);
}

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

void RenderMatrixText(SharedRegisters& registers) {
    RoundShowMatrix(registers);
    const ComplexMatrix& rounded = registers.RoundedShowMatrix;
    // Built on the stack and copied once, so a render allocates nothing after the first.
    char text[kMatrixTextCapacity];
    char* out = text;
    char* lastCell = text;
    char* lastCellEnd = text;
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
    // The last cell's text stays behind in CellText, as it would after FormatCell.
    registers.CellText.assign(lastCell, static_cast<std::size_t>(lastCellEnd - lastCell));
    registers.MatrixText.assign(text, static_cast<std::size_t>(out - text));
}

void ShowInTextBox(SharedRegisters& registers, const ComplexMatrix& matrix, Window& window,
                   const std::string& textBox) {
    registers.ShowMatrix = matrix;
    RenderMatrixText(registers);
    window.SetText(textBox, registers.MatrixText);
}

}  // namespace selvaris
