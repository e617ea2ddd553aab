#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "reference_snap.h"
#include "core/matrix_text.h"
#include "core/shared_registers.h"
#include "core/window.h"

namespace selvaris {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string Pad(const std::string& cell) { return cell + std::string(cell.size() < 19 ? 19 - cell.size() : 0, ' '); }

// The text of one element after the rounding of the whole matrix.
std::string RoundedCell(const ComplexMatrix& m, int row, int column) {
    SharedRegisters registers;
    registers.ShowMatrix = m;
    RoundShowMatrix(registers);
    FormatCell(registers, static_cast<std::int16_t>(row), static_cast<std::int16_t>(column));
    return registers.CellText;
}

struct CellCase {
    double re, im;
    double largest;  // put at (0,0) to choose the decimal count; 0 = none
    const char* text;
};

TEST(RenderMatrixText, CellTextsAfterRounding) {
    const CellCase cases[] = {
        // four decimals (largest component below 10)
        {0.70710678, 0, 0, "0.7071"},
        {-0.70710678, 0, 0, "-0.7072"},
        {0.5, 0.5, 0, "0.5+0.5i"},
        {0.5, -0.5, 0, "0.5-0.5i"},
        {0, 0.25, 0, "0.25i"},
        {0, -0.25, 0, "-0.25i"},
        {0, 1, 0, "i"},
        {0, -1, 0, "-i"},
        {0.5, 1, 0, "0.5+i"},
        {0.5, -1, 0, "0.5-i"},
        {-1, 0, 0, "-1"},
        {0, 0, 0, "0"},
        {-0.0, -0.0, 0, "0"},
        {0.5, -0.0, 0, "0.5"},
        {-0.0, 0.5, 0, "0.5i"},
        {0.99999999, 0, 0, "1"},
        {-0.99999999, 0, 0, "-1"},
        {0, 0.99999999, 0, "i"},
        {0, -0.99999999, 0, "-i"},
        {1.9999, 0, 0, "2"},
        {1.0002, 0, 0, "1"},
        {1e-17, 0, 0, "0"},
        {-1e-17, 0, 0, "0"},
        {0, -1e-17, 0, "0"},
        {0.00025, 0, 0, "0"},
        {0.0003, 0, 0, "0"},
        {0.29999, 0, 0, "0.2999"},
        {-0.70710678, -0.70710678, 0, "-0.7072-0.7072i"},
        {0.70710678, 0.70710678, 0, "0.7071+0.7071i"},
        // near the snap margin
        {2.0002, 0, 0, "2"},         // remainder at the margin: dropped
        {2.0003, 0, 0, "2.0003"},    // just above it: kept
        {2.9998, 0, 0, "3"},         // lifted to the next whole number
        {2.99975, 0, 0, "2.9997"},
        {2.9997, 0, 0, "2.9996"},    // 29996.999... floors down a step
        {-2.5, -2.5, 0, "-2.5-2.5i"},
        {-2.0001, 0, 0, "-2"},       // floors to -2.0002, within the margin
        {-2.00001, 0, 0, "-2"},
        {-2.00035, 0, 0, "-2.0004"},
        {-1.99995, 0, 0, "-2"},      // floored to -2
        {-1.9998, 0, 0, "-2"},       // remainder 0.9998 is lifted
        {9.99995, 0, 0, "10"},
        {0, 0.0002, 0, "0"},
        {0, -0.0001, 0, "0"},
        {0, 2.9998, 0, "3i"},
        // three decimals
        {12.3456789, 0, 0, "12.345"},
        {0.12345, -0.12345, 12, "0.123-0.124i"},
        {0.9998, 0, 12, "0.999"},
        // two decimals
        {123.456, 0, 0, "123.45"},
        {-123.456, 0, 0, "-123.46"},
        {0.0049, 0.999, 123, "0.99i"},
        // one decimal
        {1234.56, 0, 0, "1234.5"},
        {5.00001, 0, 1000, "5"},
        {4.99999, -0.01, 1000, "4.9-0.1i"},
        // no decimals
        {12345.678, 0, 0, "12345"},
        {-12345.678, 0, 0, "-12346"},
        {0.5, -0.5, 10000, "-i"},     // floors to 0 - 1i
        {123456.7, 0, 0, "123456"},
        {1e15, -3e9, 0, "1E+15-3000000000i"},
    };
    for (const CellCase& c : cases) {
        ComplexMatrix m;
        if (c.largest != 0) m.re(0, 0) = c.largest;
        m.re(2, 1) = c.re;
        m.im(2, 1) = c.im;
        EXPECT_EQ(RoundedCell(m, 2, 1), c.text) << c.re << " " << c.im << " largest " << c.largest;
    }
}

// Any component, however wild, renders without hanging: NaN, infinities, values far
// beyond what the subtraction of 10000s could ever bring down, and scaled imaginary
// parts that do not fit a 32-bit integer (which keep their floored value).
TEST(RenderMatrixText, NonFiniteAndHugeComponentsRender) {
    const CellCase cases[] = {
        {kNaN, 0, 0, "NaN"},
        {0, kNaN, 0, "NaNi"},
        {1, kNaN, 0, "1+NaNi"},
        {kInf, 0, 0, "Infinity"},
        {-kInf, 0, 0, "-Infinity"},
        {0, kInf, 0, "Infinityi"},
        {0, -kInf, 0, "-Infinityi"},
        {1, -kInf, 0, "1-Infinityi"},
        {1e300, 0, 0, "1E+300"},
        {0, 1e300, 0, "1E+300i"},
        {0, -1e300, 0, "-1E+300i"},
        {0, 2147483647.0, 0, "2147483647i"},
        {0, 2147483648.0, 0, "2147483648i"},
        {0, -2147483648.0, 0, "-2147483648i"},
        {0, -2147483649.5, 0, "-2147483650i"},
        {1e20, 3.5, 0, "1E+20+3i"},
    };
    for (const CellCase& c : cases) {
        ComplexMatrix m;
        m.re(2, 1) = c.re;
        m.im(2, 1) = c.im;
        EXPECT_EQ(RoundedCell(m, 2, 1), c.text) << c.re << " " << c.im;
    }

    // NaN does not count as the largest component: the others keep four decimals.
    ComplexMatrix m;
    m.re(0, 0) = kNaN;
    m.re(0, 1) = 0.70710678;
    EXPECT_EQ(RoundedCell(m, 0, 1), "0.7071");

    SharedRegisters registers;
    for (auto& row : registers.ShowMatrix.v)
        for (auto& element : row) {
            element[0] = -kInf;
            element[1] = 1e300;
        }
    RenderMatrixText(registers);
    EXPECT_EQ(registers.MatrixText.substr(0, 19), Pad("-Infinity+1E+300i"));
}

// The rounding must equal the plain rule: floor to d decimals, then the remainder
// found by subtracting 10000s, 1000s, 100s, 10s and 1s, then the snap.
double ReferenceRounding(double x, int d) {
    const double scale = std::pow(10.0, d);
    return testing::ReferenceSnap(std::floor(x * scale) / scale);
}

TEST(RenderMatrixText, RoundingMatchesTheSubtractionRule) {
    const double largest[] = {9.99, 99.9, 999.9, 9999.9};
    std::uint32_t seed = 12345;
    for (int d = 4; d >= 1; --d) {
        for (int trial = 0; trial < 2000; ++trial) {
            seed = seed * 1664525u + 1013904223u;
            const double unit = static_cast<double>(seed) / 4294967296.0;
            const double spread = unit * 2 - 1;
            // Values near whole numbers are where the snap matters.
            const double x = trial % 2 ? std::floor(unit * (largest[4 - d] - 1)) + spread * 0.0004
                                       : spread * largest[4 - d] * 0.99;
            SharedRegisters registers;
            registers.ShowMatrix.re(0, 0) = largest[4 - d];
            registers.ShowMatrix.re(1, 1) = x;
            registers.ShowMatrix.im(1, 1) = -x;
            RoundShowMatrix(registers);
            const double expectedRe = ReferenceRounding(x, d);
            const double expectedIm = ReferenceRounding(-x, d);
            ASSERT_EQ(registers.RoundedShowMatrix.re(1, 1), expectedRe) << x << " d=" << d;
            ASSERT_EQ(registers.RoundedShowMatrix.im(1, 1), expectedIm) << x << " d=" << d;
        }
    }
}

TEST(RenderMatrixText, IdentityIsFourLinesOfNineteenCharacterCells) {
    SharedRegisters registers;
    registers.ShowMatrix = ComplexMatrix::Identity();
    registers.MatrixText = "earlier content";
    RenderMatrixText(registers);
    std::string expected;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) expected += Pad(r == c ? "1" : "0");
        expected += "\r\n";
    }
    EXPECT_EQ(registers.MatrixText.size(), 312u);
    EXPECT_EQ(registers.MatrixText, expected);
}

TEST(RenderMatrixText, InitialFinalGateShowsMinusIAtTheEnd) {
    SharedRegisters registers;
    registers.ShowMatrix = ComplexMatrix::InitialFinalGate();
    RenderMatrixText(registers);
    EXPECT_EQ(registers.MatrixText.substr(3 * 78), Pad("0") + Pad("0") + Pad("0") + Pad("-i") + "\r\n");
    EXPECT_EQ(registers.MatrixText.size(), 312u);
}

TEST(RenderMatrixText, LongCellIsFollowedDirectlyByTheNext) {
    SharedRegisters registers;
    registers.ShowMatrix.re(0, 0) = -123456789012345.0;
    registers.ShowMatrix.im(0, 0) = -1e300;  // 24 characters
    registers.ShowMatrix.re(0, 1) = 7;
    RenderMatrixText(registers);
    EXPECT_EQ(registers.MatrixText.substr(0, 26), "-123456789012345-1E+300i7 ");
    EXPECT_EQ(registers.MatrixText.size(), 312u + 5u);
}

TEST(RenderMatrixText, LeavesShowMatrixAndOverwritesRoundedCopy) {
    SharedRegisters registers;
    registers.ShowMatrix.re(0, 0) = 0.70710678;
    registers.ShowMatrix.im(3, 2) = kNaN;
    registers.ShowMatrix.re(1, 3) = -0.0;
    const ComplexMatrix before = registers.ShowMatrix;
    registers.RoundedShowMatrix.re(2, 2) = 42;
    RenderMatrixText(registers);
    EXPECT_TRUE(registers.ShowMatrix.BitwiseEquals(before));
    EXPECT_EQ(registers.RoundedShowMatrix.re(2, 2), 0.0);
    EXPECT_EQ(registers.RoundedShowMatrix.re(0, 0), 0.7071);
}

TEST(FormatCell, ReadsTheRoundedCopyAsTheCallerLeftIt) {
    SharedRegisters registers;
    registers.RoundedShowMatrix.re(3, 0) = 0.123456789;
    registers.RoundedShowMatrix.im(3, 0) = -2.5;
    FormatCell(registers, 3, 0);
    EXPECT_EQ(registers.CellText, "0.123456789-2.5i");

    // Outside 0..3 there is no element: an empty text instead of a stray read.
    for (std::int16_t bad : {std::int16_t{-1}, std::int16_t{4}, std::int16_t{32767}}) {
        registers.CellText = "x";
        FormatCell(registers, bad, 0);
        EXPECT_EQ(registers.CellText, "");
        registers.CellText = "x";
        FormatCell(registers, 0, bad);
        EXPECT_EQ(registers.CellText, "");
    }
}

class OneBoxWindow : public Window {
public:
    OneBoxWindow() : Window("FormT", "t", 1000, 1000) {
        AddControl({"Text1", ControlKind::MultiLineTextBox, "", 0, 0, 100, 100});
    }
};

TEST(ShowInTextBox, RendersTheMatrixIntoTheBox) {
    SharedRegisters registers;
    OneBoxWindow window;
    const ComplexMatrix gate = ComplexMatrix::InitialFinalGate();
    ShowInTextBox(registers, gate, window, "Text1");
    EXPECT_TRUE(registers.ShowMatrix.BitwiseEquals(gate));
    EXPECT_EQ(window.Text("Text1"), registers.MatrixText);
    EXPECT_EQ(window.Text("Text1").substr(3 * 78 + 57, 2), "-i");
}

}  // namespace
}  // namespace selvaris
