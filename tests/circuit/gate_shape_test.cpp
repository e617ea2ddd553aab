#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "circuit/gate_shape.h"
#include "core/zero_tests.h"
#include "support/matrix_builders.h"

namespace selvaris {
namespace {

const double kS = testing::kInvSqrt2;
using testing::Entry;
using testing::Make;
const double kT = kTolerance;

ComplexMatrix Diagonal(double d0, double d1, double d2, double d3) {
    return Make({{0, 0, d0, 0}, {1, 1, d1, 0}, {2, 2, d2, 0}, {3, 3, d3, 0}});
}

ComplexMatrix WithElement(ComplexMatrix m, int row, int column, double re, double im) {
    m.re(row, column) = re;
    m.im(row, column) = im;
    return m;
}

// A Hadamard block on states p and q, ones elsewhere on the diagonal.
ComplexMatrix HadamardOn(int p, int q) {
    ComplexMatrix m = ComplexMatrix::Identity();
    m = WithElement(m, p, p, kS, 0);
    m = WithElement(m, p, q, kS, 0);
    m = WithElement(m, q, p, kS, 0);
    return WithElement(m, q, q, -kS, 0);
}

ComplexMatrix AllNonzero() {
    ComplexMatrix m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) m.re(r, c) = 0.5;
    return m;
}

struct ShapeCase {
    std::string name;
    ComplexMatrix gate;
    GateShape expected;  // kNoShape: no rule matches
};

class Classify : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(Classify, GivesTheFirstMatchingRuleOrTheDefault) {
    const ShapeCase& tc = GetParam();
    if (tc.expected == kNoShape) {
        EXPECT_EQ(ClassifyGateShape(tc.gate, -1, kT), -1);
        EXPECT_EQ(ClassifyGateShape(tc.gate, 0, kT), 0);
    } else {
        EXPECT_EQ(ClassifyGateShape(tc.gate, -1, kT), tc.expected);
        EXPECT_EQ(ClassifyGateShape(tc.gate, 0, kT), tc.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, Classify,
    ::testing::Values(
        ShapeCase{"Identity", ComplexMatrix::Identity(), 6},
        ShapeCase{"ITimesIdentity", Make({{0, 0, 0, 1}, {1, 1, 0, 1}, {2, 2, 0, 1}, {3, 3, 0, 1}}), 6},
        ShapeCase{"ZeroMatrix", ComplexMatrix(), 6},
        ShapeCase{"PhaseFlipOn3", Diagonal(1, 1, 1, -1), 0},
        // Rule 2 comes before rule 6: a bottom-qubit phase flip is drawn controlled.
        ShapeCase{"BottomPhaseFlip", Diagonal(1, -1, 1, -1), 0},
        ShapeCase{"DiagonalWithZero33", Diagonal(1, 1, 1, 0), 1},
        ShapeCase{"DiagonalWithZero11And33", Diagonal(1, 0, 1, 0), 3},
        ShapeCase{"MixesStates01", HadamardOn(0, 1), 1},
        ShapeCase{"MixesStates23", HadamardOn(2, 3), 0},
        ShapeCase{"MixesStates13", HadamardOn(1, 3), 2},
        ShapeCase{"MixesStates02", HadamardOn(0, 2), 3},
        ShapeCase{"Swap02", Make({{0, 2, 1, 0}, {2, 0, 1, 0}, {1, 1, 1, 0}, {3, 3, 1, 0}}), 3},
        ShapeCase{"XOnTop", Make({{0, 2, 1, 0}, {1, 3, 1, 0}, {2, 0, 1, 0}, {3, 1, 1, 0}}), 5},
        ShapeCase{"XOnBottom", Make({{0, 1, 1, 0}, {1, 0, 1, 0}, {2, 3, 1, 0}, {3, 2, 1, 0}}), 4},
        ShapeCase{"AllNonzero", AllNonzero(), kNoShape},
        // A block on (0,1) that is not repeated on (2,3) is no single-wire gate.
        ShapeCase{"UnequalSiblingBlocks",
                  WithElement(WithElement(HadamardOn(0, 1), 2, 3, 0.5, 0), 3, 2, 0.5, 0), kNoShape},
        // Zero tests: exactly +-t is zero, a hair beyond is not.
        ShapeCase{"OffDiagonalAtTolerance", WithElement(ComplexMatrix::Identity(), 0, 1, kT, 0), 6},
        ShapeCase{"OffDiagonalAtMinusTolerance", WithElement(ComplexMatrix::Identity(), 3, 0, 0, -kT), 6},
        ShapeCase{"OffDiagonalBeyondTolerance", WithElement(ComplexMatrix::Identity(), 0, 1, 0.0011, 0), 1},
        // NaN is no zero, and equal to nothing.
        ShapeCase{"NaNOffDiagonal", WithElement(ComplexMatrix::Identity(), 0, 1, std::nan(""), 0), 1},
        // Rules 2 to 4: exactly +-t is nonzero.
        ShapeCase{"Element33AtTolerance", Diagonal(0.5, 0, 0, kT), 0},
        ShapeCase{"Element33AtMinusTolerance", Make({{0, 0, 0.5, 0}, {3, 3, 0, -kT}}), 0},
        ShapeCase{"Element33BelowTolerance", Diagonal(0.5, 0, 0, 0.0009), 3},
        ShapeCase{"Element11AtTolerance", Diagonal(0.5, kT, 0, 0), 1},
        ShapeCase{"Element22AtTolerance", Diagonal(0.5, 0, -kT, 0), 3},
        // Equality: a part exactly t away is still equal, one ulp more is not.
        ShapeCase{"DiagonalEqualAtTolerance", Diagonal(0.5, 0.5 + kT, 0.5, 0.5 - kT), 6},
        ShapeCase{"DiagonalBeyondEquality", Diagonal(0.5, std::nextafter(0.5 + kT, 1.0), 0.5, 0.5), 0},
        ShapeCase{"TopWireWithinTolerance",
                  WithElement(Make({{0, 2, 1, 0}, {1, 3, 1, 0}, {2, 0, 1, 0}, {3, 1, 1, 0}}), 1, 3, 1 + 0.0005, 0),
                  5}),
    [](const auto& info) { return info.param.name; });

// Expected pictures, written out in twips.
Drawing Wires() {
    return {LinePrimitive(100, 200, 800, 200, kBlack), LinePrimitive(100, 600, 800, 600, kBlack)};
}
Drawing Connector() { return {LinePrimitive(450, 200, 450, 600, kBlack)}; }
Drawing ClosedDot(int y) {
    Drawing d;
    for (int radius : {15, 20, 25, 30, 35, 40, 45, 50}) d.push_back(CirclePrimitive(450, y, radius, kBlack));
    return d;
}
Drawing OpenDot(int y) {
    return {FilledRectPrimitive(400, y - 50, 500, y + 50, kWhite), CirclePrimitive(450, y, 50, kBlack)};
}
Drawing GateBox(int y) {
    return {FilledRectPrimitive(350, y - 100, 550, y + 100, kWhite),
            RectOutlinePrimitive(350, y - 100, 550, y + 100, kBlack)};
}
Drawing Cleared(std::initializer_list<Drawing> parts) {
    Drawing d{ClearPrimitive()};
    for (const Drawing& part : parts) d.insert(d.end(), part.begin(), part.end());
    return d;
}

struct DrawingCase {
    GateShape shape;
    Drawing expected;
};

class DrawShape : public ::testing::TestWithParam<DrawingCase> {};

TEST_P(DrawShape, DrawsThePrimitivesInOrder) {
    EXPECT_EQ(DrawGateShape(GetParam().shape), GetParam().expected);
    EXPECT_EQ(GateShapeDrawing(GetParam().shape), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, DrawShape,
    ::testing::Values(DrawingCase{0, Cleared({Wires(), Connector(), ClosedDot(200), GateBox(600)})},
                      DrawingCase{1, Cleared({Wires(), Connector(), OpenDot(200), GateBox(600)})},
                      DrawingCase{2, Cleared({Wires(), Connector(), ClosedDot(600), GateBox(200)})},
                      DrawingCase{3, Cleared({Wires(), Connector(), OpenDot(600), GateBox(200)})},
                      DrawingCase{4, Cleared({Wires(), GateBox(600)})},
                      DrawingCase{5, Cleared({Wires(), GateBox(200)})}, DrawingCase{6, Cleared({Wires()})},
                      DrawingCase{7, Cleared({})}, DrawingCase{-1, Cleared({})}, DrawingCase{32767, Cleared({})},
                      DrawingCase{-32768, Cleared({})}),
    [](const auto& info) {
        const int code = info.param.shape;
        return code < 0 ? "minus" + std::to_string(-code) : std::to_string(code);
    });

}  // namespace
}  // namespace selvaris
