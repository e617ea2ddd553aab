#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

#include "core/gate_grid.h"
#include "core/zero_tests.h"

namespace selvaris {
namespace {

// Just the two gate grids of the main window.
class GridWindow : public Window {
public:
    GridWindow() : Window("Grid", "", 3000, 3000) {
        for (const char* prefix : {"g1_", "g2_"})
            for (int r = 0; r < 4; ++r)
                for (int c = 0; c < 4; ++c)
                    AddControl({prefix + std::to_string(r) + std::to_string(c), ControlKind::Label, "", 0, 0, 255, 255});
    }
    void Prime(Colour colour) {
        for (const Control& control : Controls()) SetBackColour(control.name, colour);
    }
    // One letter per label, rows separated by '/': R dark red, T teal, . the primed colour.
    std::string Pattern(bool gridIsR) const {
        std::string s;
        for (int r = 0; r < 4; ++r) {
            if (r > 0) s += '/';
            for (int c = 0; c < 4; ++c) {
                const Colour colour = Get(GateGridLabel(gridIsR, r, c)).backColour.value_or(0xFFFFFFFF);
                s += colour == kDarkRed ? 'R' : colour == kTeal ? 'T' : colour == kLightGrey ? '.' : '?';
            }
        }
        return s;
    }
};

ComplexMatrix WithElement(ComplexMatrix m, int row, int column, double re, double im) {
    m.re(row, column) = re;
    m.im(row, column) = im;
    return m;
}

const double kS = 1.0 / std::sqrt(2.0);

ComplexMatrix HadamardOn01() {
    ComplexMatrix m = ComplexMatrix::Identity();
    m = WithElement(m, 0, 0, kS, 0);
    m = WithElement(m, 0, 1, kS, 0);
    m = WithElement(m, 1, 0, kS, 0);
    return WithElement(m, 1, 1, -kS, 0);
}

ComplexMatrix Swap01() {
    ComplexMatrix m = ComplexMatrix::Identity();
    m = WithElement(m, 0, 0, 0, 0);
    m = WithElement(m, 1, 1, 0, 0);
    m = WithElement(m, 0, 1, 1, 0);
    return WithElement(m, 1, 0, 1, 0);
}

struct GridCase {
    std::string name;
    ComplexMatrix matrix;
    bool gridIsR;
    std::string pattern;
};

class PaintGateGridTest : public ::testing::TestWithParam<GridCase> {};

TEST_P(PaintGateGridTest, PaintsTheChosenGridOnly) {
    const GridCase& tc = GetParam();
    GridWindow form;
    form.Prime(kLightGrey);
    SharedRegisters registers;
    registers.ShowMatrix = tc.matrix;

    PaintGateGrid(registers, tc.gridIsR, kTolerance, form);

    EXPECT_EQ(form.Pattern(tc.gridIsR), tc.pattern);
    EXPECT_EQ(form.Pattern(!tc.gridIsR), "..../..../..../....");
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Cases, PaintGateGridTest,
    ::testing::Values(
        GridCase{"Identity", ComplexMatrix::Identity(), false, "RTTT/TRTT/TTRT/TTTR"},
        GridCase{"IdentityOnR", ComplexMatrix::Identity(), true, "RTTT/TRTT/TTRT/TTTR"},
        GridCase{"HadamardOn01", HadamardOn01(), true, "RRTT/RRTT/TTRT/TTTR"},
        // Zero diagonal elements leave their labels as they were.
        GridCase{"Swap01KeepsDiagonal", Swap01(), false, ".RTT/R.TT/TTRT/TTTR"},
        GridCase{"ZeroMatrix", ComplexMatrix(), false, ".TTT/T.TT/TT.T/TTT."},
        // Exactly +-tolerance counts as zero, a hair beyond it as nonzero.
        GridCase{"AtTolerance", WithElement(WithElement(ComplexMatrix(), 0, 3, 0.001, 0), 2, 1, 0, -0.001), false,
                 ".TTT/T.TT/TT.T/TTT."},
        GridCase{"BeyondTolerance",
                 WithElement(WithElement(WithElement(ComplexMatrix(), 0, 3, 0.0011, 0), 2, 1, 0, -0.0011), 3, 3, 0,
                             0.0011),
                 false, ".TTR/T.TT/TR.T/TTTR"},
        GridCase{"NaNCountsAsNonzero", WithElement(ComplexMatrix(), 1, 1, kNaN, 0), false, ".TTT/TRTT/TT.T/TTT."}),
    [](const auto& info) { return info.param.name; });

TEST(MarkFinalGatePattern, PaintsTheLGridFromTheFinalGate) {
    GridWindow form;
    form.Prime(kLightGrey);
    SharedRegisters registers;
    registers.FinalGateMatrix = Swap01();
    registers.ShowMatrix = ComplexMatrix::Identity();  // not what is painted

    MarkFinalGatePattern(registers, kTolerance, form);

    EXPECT_EQ(form.Pattern(false), ".RTT/R.TT/TTRT/TTTR");
    EXPECT_EQ(form.Pattern(true), "..../..../..../....");
}

TEST(GateGridLabel, NamesRowThenColumn) {
    EXPECT_EQ(GateGridLabel(false, 2, 1), "g1_21");
    EXPECT_EQ(GateGridLabel(true, 0, 3), "g2_03");
    for (const int bad : {-1, 4, INT_MAX, INT_MIN}) {
        EXPECT_EQ(GateGridLabel(false, bad, 0), "") << bad;
        EXPECT_EQ(GateGridLabel(true, 0, bad), "") << bad;
    }
}

}  // namespace
}  // namespace selvaris
