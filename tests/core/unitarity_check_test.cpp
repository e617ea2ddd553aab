#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/matrix_text.h"
#include "core/unitarity_check.h"
#include "core/zero_tests.h"
#include "support/fake_platform.h"

namespace selvaris {
namespace {

using testing::FakePlatform;

ComplexMatrix Diagonal(double d0, double d1, double d2, double d3) {
    ComplexMatrix m;
    m.re(0, 0) = d0;
    m.re(1, 1) = d1;
    m.re(2, 2) = d2;
    m.re(3, 3) = d3;
    return m;
}

ComplexMatrix Scaled(ComplexMatrix m, double factor) {
    for (auto& row : m.v)
        for (auto& element : row)
            for (double& part : element) part *= factor;
    return m;
}

// Row r has its 1 in column to[r].
ComplexMatrix Permutation(int to0, int to1, int to2, int to3) {
    ComplexMatrix m;
    const int to[4] = {to0, to1, to2, to3};
    for (int r = 0; r < 4; ++r) m.re(r, to[r]) = 1;
    return m;
}

// Twice a unitary matrix: rows 1,1,1,1 / 1,-1,i,-i / 1,1,-1,-1 / 1,-1,-i,i.
ComplexMatrix QftPreset() {
    ComplexMatrix m;
    const double re[4][4] = {{1, 1, 1, 1}, {1, -1, 0, 0}, {1, 1, -1, -1}, {1, -1, 0, 0}};
    const double im[4][4] = {{0, 0, 0, 0}, {0, 0, 1, -1}, {0, 0, 0, 0}, {0, 0, -1, 1}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            m.re(r, c) = re[r][c];
            m.im(r, c) = im[r][c];
        }
    return m;
}

// The identity with one extra element at (0,1): both products then carry
// exactly that value off the diagonal.
ComplexMatrix IdentityWithCorner(double re, double im) {
    ComplexMatrix m = ComplexMatrix::Identity();
    m.re(0, 1) = re;
    m.im(0, 1) = im;
    return m;
}

struct CheckCase {
    const char* name;
    ComplexMatrix matrix;
    bool unitary;
};

TEST(CheckUnitarity, DecidesByBothProducts) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double aboveTolerance = std::nextafter(kTolerance, 1.0);
    ComplexMatrix withNaN = ComplexMatrix::Identity();
    withNaN.re(2, 2) = nan;
    ComplexMatrix withImaginaryNaN = ComplexMatrix::Identity();
    withImaginaryNaN.im(1, 3) = nan;
    ComplexMatrix withInfinity = ComplexMatrix::Identity();
    withInfinity.re(3, 3) = inf;
    ComplexMatrix unequalRows = ComplexMatrix::Identity();  // orthogonal rows of lengths 2, 2, 1, 1
    unequalRows.re(0, 1) = 1;
    unequalRows.re(1, 0) = 1;
    unequalRows.re(1, 1) = -1;

    const std::vector<CheckCase> cases = {
        {"identity", ComplexMatrix::Identity(), true},
        {"exchange 0 and 1", Permutation(1, 0, 2, 3), true},
        {"cycle", Permutation(1, 2, 3, 0), true},
        {"reversal", Permutation(3, 2, 1, 0), true},
        {"diag(1,1,1,-i)", ComplexMatrix::InitialFinalGate(), true},
        {"2 x identity", Scaled(ComplexMatrix::Identity(), 2), true},
        {"QFT preset", QftPreset(), true},
        {"diag(1,1,1,1.0004)", Diagonal(1, 1, 1, 1.0004), true},
        {"diag(1,1,1,1.001)", Diagonal(1, 1, 1, 1.001), false},
        {"off-diagonal real exactly at the tolerance", IdentityWithCorner(kTolerance, 0), true},
        {"off-diagonal real exactly at minus the tolerance", IdentityWithCorner(-kTolerance, 0), true},
        {"off-diagonal imaginary exactly at the tolerance", IdentityWithCorner(0, kTolerance), true},
        {"off-diagonal real just above the tolerance", IdentityWithCorner(aboveTolerance, 0), false},
        {"off-diagonal imaginary just above the tolerance", IdentityWithCorner(0, -aboveTolerance), false},
        {"orthogonal rows of unequal length", unequalRows, false},
        {"all zero", ComplexMatrix(), false},
        {"1e-3 x identity", Scaled(ComplexMatrix::Identity(), 1e-3), false},
        {"1e-4 x identity", Scaled(ComplexMatrix::Identity(), 1e-4), false},
        {"0.03 x identity (products 0.0009)", Scaled(ComplexMatrix::Identity(), 0.03), false},
        {"0.04 x identity (products 0.0016)", Scaled(ComplexMatrix::Identity(), 0.04), true},
        {"NaN on the diagonal", withNaN, false},
        {"NaN in an imaginary part", withImaginaryNaN, false},
        {"infinity", withInfinity, false},
        {"1e200 x identity (products overflow)", Scaled(ComplexMatrix::Identity(), 1e200), false},
    };
    for (const CheckCase& c : cases) {
        SharedRegisters registers;
        FakePlatform platform;
        registers.CheckMatrix = c.matrix;
        const bool notUnitary = CheckUnitarity(registers, platform, kTolerance);
        EXPECT_EQ(notUnitary, !c.unitary) << c.name;
        EXPECT_EQ(platform.messages.size(), c.unitary ? 0u : 1u) << c.name;
    }
}

// Exact boundaries of the sweeps, on products given directly (tol a power of two
// so that every sum below is exact).
TEST(IsMultipleOfUnitary, BoundsAreInclusive) {
    const double tol = 1.0 / 1024;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const ComplexMatrix id = ComplexMatrix::Identity();

    ComplexMatrix diagonalAtBound = Diagonal(1, 1 + tol, 1, 1 - tol);
    ComplexMatrix diagonalBeyond = Diagonal(1, 1, 1 + tol, 1 + 2 * tol + tol / 1024);
    ComplexMatrix imaginaryDiagonal = id;
    imaginaryDiagonal.im(2, 2) = tol;
    ComplexMatrix imaginaryDiagonalBeyond = id;
    imaginaryDiagonalBeyond.im(2, 2) = -tol * 1.5;
    ComplexMatrix lastRowOff = id;
    lastRowOff.re(3, 0) = -tol * 2;
    ComplexMatrix nanDiagonal = id;
    nanDiagonal.re(1, 1) = nan;
    const ComplexMatrix zeroWithinTolerance = Diagonal(tol, tol, tol, tol);

    struct Case {
        const char* name;
        ComplexMatrix p1, p2;
        bool pass;
    } cases[] = {
        {"identity twice", id, id, true},
        {"neighbours exactly tol apart", diagonalAtBound, id, true},
        {"neighbours just over tol apart", id, diagonalBeyond, false},
        {"imaginary diagonal at tol", imaginaryDiagonal, id, true},
        {"imaginary diagonal beyond tol", id, imaginaryDiagonalBeyond, false},
        {"last row off-diagonal beyond tol", lastRowOff, id, false},
        {"NaN on the diagonal", nanDiagonal, id, false},
        {"products zero within tol", zeroWithinTolerance, zeroWithinTolerance, false},
        {"one product zero", id, ComplexMatrix(), false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsMultipleOfUnitary(c.p1, c.p2, tol), c.pass) << c.name;
}

// Records the registers as they stand when the message appears.
class WatchingPlatform : public FakePlatform {
public:
    explicit WatchingPlatform(const SharedRegisters& registers) : registers_(registers) {}
    MessageAnswer MessageBox(const std::string& text, int style, const std::string& title) override {
        adjointAtMessage = registers_.AdjointMatrix;
        return FakePlatform::MessageBox(text, style, title);
    }
    ComplexMatrix adjointAtMessage;

private:
    const SharedRegisters& registers_;
};

TEST(CheckUnitarity, FailureShowsTheMessageThenTheCheckWindow) {
    SharedRegisters registers;
    WatchingPlatform platform(registers);
    platform.screenWidth = 15363;
    platform.screenHeight = 11522;
    ComplexMatrix earlier = Scaled(ComplexMatrix::Identity(), 7);
    registers.AdjointMatrix = earlier;
    ComplexMatrix a = Diagonal(1, 1, 1, 1.001);
    a.im(0, 3) = 0.5;
    registers.CheckMatrix = a;

    std::string shownMatrix, shownAdjoint;
    platform.OnShow("Form3", [&](Window& w) {
        shownMatrix = w.Text("Text2");
        shownAdjoint = w.Text("Text4");
    });
    EXPECT_TRUE(CheckUnitarity(registers, platform, kTolerance));

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "この行列はユニタリーではありません");
    EXPECT_EQ(platform.messages[0].style, 48);
    EXPECT_EQ(platform.messages[0].title, "メッセージ");
    // 15363 \ 2 - 15363 \ 4 = 7681 - 3840; 11522 \ 3 = 3840.
    EXPECT_EQ(platform.log, (std::vector<std::string>{"message:この行列はユニタリーではありません",
                                                      "show:Form3@3841,3840", "closed:Form3"}));
    EXPECT_TRUE(platform.adjointAtMessage.BitwiseEquals(earlier));

    const ComplexMatrix adjoint = Adjoint(a);
    EXPECT_TRUE(registers.AdjointMatrix.BitwiseEquals(adjoint));
    EXPECT_TRUE(registers.TargetTimesAdjoint.BitwiseEquals(ComplexProduct(a, adjoint)));
    EXPECT_TRUE(registers.AdjointTimesTarget.BitwiseEquals(ComplexProduct(adjoint, a)));
    EXPECT_TRUE(registers.CheckMatrix.BitwiseEquals(a));

    SharedRegisters expected;
    expected.ShowMatrix = a;
    RenderMatrixText(expected);
    EXPECT_EQ(shownMatrix, expected.MatrixText);
    expected.ShowMatrix = adjoint;
    RenderMatrixText(expected);
    EXPECT_EQ(shownAdjoint, expected.MatrixText);
}

TEST(CheckUnitarity, PassLeavesEverythingAsItWas) {
    SharedRegisters registers;
    FakePlatform platform;
    registers.CheckMatrix = QftPreset();
    registers.AdjointMatrix = Scaled(ComplexMatrix::Identity(), 3);
    registers.TargetTimesAdjoint = Scaled(ComplexMatrix::Identity(), 4);
    EXPECT_FALSE(CheckUnitarity(registers, platform, kTolerance));
    EXPECT_TRUE(platform.log.empty());
    EXPECT_TRUE(registers.AdjointMatrix.BitwiseEquals(Scaled(ComplexMatrix::Identity(), 3)));
    EXPECT_TRUE(registers.TargetTimesAdjoint.BitwiseEquals(Scaled(ComplexMatrix::Identity(), 4)));
    EXPECT_TRUE(registers.AdjointTimesTarget.IsAllZero());
}

}  // namespace
}  // namespace selvaris
