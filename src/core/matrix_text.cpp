#include "core/matrix_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// floor(y) for |y| < 2^31 by way of a 32-bit integer: a few instructions where
// std::floor is a long sequence on a plain x86-64 target. Minus zero gives +0.
double FloorSmall(double y) {
    const double truncated = static_cast<double>(static_cast<std::int32_t>(y));
    return truncated > y ? truncated - 1.0 : truncated;
}

// One component floored to the decimals of scale (10 to 10000), then moved
// onto a whole number within the margin: a small fraction is dropped, one just
// short of the next whole number is lifted. Only for |x| < 10000, which every
// component but NaN is once the matrix shows decimals, so the integer floor
// applies; the sign of a floored zero is lost, as the snap makes +0 of any zero.
double FloorAndSnap(double x, double scale) {
    const double floored = FloorSmall(x * scale) / scale;
    const double a = std::fabs(floored);
    const double whole = FloorSmall(a);
    // What is left after taking away 10000s, 1000s, 100s, 10s and 1s while more
    // than each remains: each of those subtractions is exact, so it is the
    // fraction a - floor(a). (A whole number above zero would leave 1 instead
    // of 0, but it stays where it is either way.)
    const double fraction = a - whole;
    double v = a;
    if (fraction <= kSnapMargin)
        v = whole;
    else if (fraction + kSnapMargin >= 1)
        v = FloorSmall(a + kSnapMargin);
    return floored >= 0 ? v : -v;
}

#if defined(__SSE2__)
// FloorSmall on both lanes.
__m128d FloorSmallPair(__m128d y) {
    const __m128d truncated = _mm_cvtepi32_pd(_mm_cvttpd_epi32(y));
    return _mm_sub_pd(truncated, _mm_and_pd(_mm_cmpgt_pd(truncated, y), _mm_set1_pd(1.0)));
}

__m128d Select(__m128d mask, __m128d ifSet, __m128d otherwise) {
    return _mm_or_pd(_mm_and_pd(mask, ifSet), _mm_andnot_pd(mask, otherwise));
}

// FloorAndSnap of an element's real and imaginary parts side by side, each
// lane doing exactly its operations: the same bits, with no branch to guess.
void FloorAndSnapPair(const double* x, double scale, double* out) {
    const __m128d scales = _mm_set1_pd(scale);
    const __m128d margin = _mm_set1_pd(kSnapMargin);
    const __m128d sign = _mm_set1_pd(-0.0);
    const __m128d floored = _mm_div_pd(FloorSmallPair(_mm_mul_pd(_mm_loadu_pd(x), scales)), scales);
    const __m128d a = _mm_andnot_pd(sign, floored);
    const __m128d whole = FloorSmallPair(a);
    const __m128d fraction = _mm_sub_pd(a, whole);
    const __m128d lifted = FloorSmallPair(_mm_add_pd(a, margin));
    const __m128d dropped = _mm_cmple_pd(fraction, margin);
    const __m128d lift = _mm_andnot_pd(dropped, _mm_cmpge_pd(_mm_add_pd(fraction, margin), _mm_set1_pd(1.0)));
    const __m128d v = Select(dropped, whole, Select(lift, lifted, a));
    const __m128d notNegative = _mm_cmpge_pd(floored, _mm_setzero_pd());
    _mm_storeu_pd(out, Select(notNegative, v, _mm_xor_pd(v, sign)));
}
#endif

}  // namespace

void RoundShowMatrix(SharedRegisters& registers) { RoundForShow(registers.ShowMatrix, registers.RoundedShowMatrix); }

void RoundForShow(const ComplexMatrix& source, ComplexMatrix& rounded) {
    static constexpr double kScale[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};
    const int d = DecimalCount(LargestComponent(source));

    // With no decimals every value is already whole and the snap changes nothing.
    if (d == 0) {
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c) {
                rounded.re(r, c) = std::floor(source.re(r, c));
                rounded.im(r, c) = FloorImaginary(std::floor(source.im(r, c)));
            }
        }
        return;
    }
    // Every component is now below 10000 or NaN (which stays NaN), and a scaled
    // imaginary part below 10^8 passes through the 32-bit integer unchanged.
    const double scale = kScale[d];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const double* x = source.v[r][c];
            double* out = rounded.v[r][c];
#if defined(__SSE2__)
            if (std::fabs(x[0]) < 10000 && std::fabs(x[1]) < 10000) {
                FloorAndSnapPair(x, scale, out);
                continue;
            }
#endif
            for (int part = 0; part < 2; ++part)
                out[part] = std::fabs(x[part]) < 10000 ? FloorAndSnap(x[part], scale) : std::floor(x[part] * scale) / scale;
        }
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
