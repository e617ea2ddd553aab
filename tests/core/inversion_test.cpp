#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/inversion.h"
#include "support/fake_platform.h"
#include "support/matrix_builders.h"

namespace selvaris {
namespace {

using testing::FakePlatform;

const double kS = testing::kInvSqrt2;
using testing::Entry;
using testing::Make;
using testing::RandomUnitary;

ComplexMatrix Permutation(std::array<int, 4> rowOfColumn) {
    ComplexMatrix m;
    for (int c = 0; c < 4; ++c) m.re(rowOfColumn[static_cast<std::size_t>(c)], c) = 1.0;
    return m;
}

double MaxDifference(const ComplexMatrix& a, const ComplexMatrix& b) {
    double worst = 0.0;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 2; ++k) worst = std::max(worst, std::abs(a.v[r][c][k] - b.v[r][c][k]));
    return worst;
}

// P x M: the recorded exchanges applied to the rows in record order.
ComplexMatrix ApplyRecords(const SharedRegisters& registers, ComplexMatrix m) {
    for (int w = 0; w < 4; ++w) {
        const int a = registers.PivotIndex[0][static_cast<std::size_t>(w)];
        const int b = registers.PivotIndex[1][static_cast<std::size_t>(w)];
        if (a == -1) continue;
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 2; ++k) std::swap(m.v[a][c][k], m.v[b][c][k]);
    }
    return m;
}

using Records = std::array<std::array<std::int16_t, 4>, 2>;

struct ExactCase {
    std::string name;
    ComplexMatrix input;
    ComplexMatrix inverse;
    Records records;
};

class ExactInversion : public ::testing::TestWithParam<ExactCase> {};

TEST_P(ExactInversion, GivesTheInverseAndTheRecords) {
    const ExactCase& tc = GetParam();
    SharedRegisters registers;
    FakePlatform platform;
    registers.InverseSource = tc.input;

    ASSERT_TRUE(InvertMatrix(registers, platform));

    EXPECT_LT(MaxDifference(registers.InverseResult, tc.inverse), 1e-15);
    EXPECT_EQ(registers.PivotIndex, tc.records);
    EXPECT_TRUE(registers.InverseSource.BitwiseEquals(tc.input));
    EXPECT_TRUE(platform.messages.empty());
}

constexpr Records kNoRecord{{{-1, -1, -1, -1}, {-1, -1, -1, -1}}};

const ComplexMatrix kHadamardOn02 = Make({{0, 0, kS, 0}, {0, 2, kS, 0}, {2, 0, kS, 0}, {2, 2, -kS, 0}, {1, 1, 1, 0}, {3, 3, 1, 0}});

INSTANTIATE_TEST_SUITE_P(
    Cases, ExactInversion,
    ::testing::Values(
        ExactCase{"Identity", ComplexMatrix::Identity(), ComplexMatrix::Identity(), kNoRecord},
        ExactCase{"PhaseOnState3", ComplexMatrix::InitialFinalGate(),
                  Make({{0, 0, 1, 0}, {1, 1, 1, 0}, {2, 2, 1, 0}, {3, 3, 0, 1}}), kNoRecord},
        ExactCase{"Swap01", Permutation({1, 0, 2, 3}), Permutation({1, 0, 2, 3}),
                  Records{{{0, -1, -1, -1}, {1, -1, -1, -1}}}},
        // Equal moduli in rows 0 and 2 of column 0: row 0 keeps position 0.
        ExactCase{"EqualModuliKeepRow0", kHadamardOn02, kHadamardOn02, kNoRecord},
        // Rows e0, e2, e3, e1: pass 1 takes row 3, pass 2 then row 3 again.
        ExactCase{"TrialsPickLowerRows", Permutation({0, 3, 1, 2}), Permutation({0, 2, 3, 1}),
                  Records{{{1, 2, -1, -1}, {3, 3, -1, -1}}}},
        // Every position moves: rows e3, e2, e1, e0.
        ExactCase{"Reversal", Permutation({3, 2, 1, 0}), Permutation({3, 2, 1, 0}),
                  Records{{{0, 1, -1, -1}, {3, 2, -1, -1}}}}),
    [](const auto& info) { return info.param.name; });

TEST(InvertMatrix, RandomUnitariesInvertToTheirAdjointSilently) {
    std::mt19937_64 rng(20240611);
    FakePlatform platform;
    SharedRegisters registers;
    for (int i = 0; i < 1000; ++i) {
        const ComplexMatrix u = RandomUnitary(rng);
        registers.InverseSource = u;
        ASSERT_TRUE(InvertMatrix(registers, platform)) << "matrix " << i;
        ASSERT_LT(MaxDifference(registers.InverseResult, Adjoint(u)), 1e-12) << "matrix " << i;
        // The returned factors reproduce the row-exchanged matrix.
        const ComplexMatrix lu = ComplexProduct(registers.EliminationWorkA, registers.EliminationWorkB);
        ASSERT_LT(MaxDifference(lu, ApplyRecords(registers, u)), 1e-14) << "matrix " << i;
        ASSERT_TRUE(registers.EliminationMatrix.BitwiseEquals(ApplyRecords(registers, u)));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) {
                if (r > c) {
                    ASSERT_EQ(registers.EliminationWorkB.re(r, c), 0.0);
                } else if (r < c) {
                    ASSERT_EQ(registers.EliminationWorkA.re(r, c), 0.0);
                } else {
                    ASSERT_EQ(registers.EliminationWorkA.re(r, c), 1.0);
                }
            }
    }
    EXPECT_TRUE(platform.messages.empty());
}

// Every bit of the results, the factors, the records and the messages, folded
// into one number over matrices made from integers alone (no library function
// between the seed and the input), some with a column small enough to be floored.
TEST(InvertMatrix, EveryBitStaysAsItWas) {
    std::mt19937_64 rng(19);
    FakePlatform platform;
    SharedRegisters registers;
    std::uint64_t digest = 14695981039346656037u;
    const auto fold = [&digest](const void* bytes, std::size_t size) {
        const auto* byte = static_cast<const unsigned char*>(bytes);
        for (std::size_t i = 0; i < size; ++i) digest = (digest ^ byte[i]) * 1099511628211u;
    };
    for (int i = 0; i < 4000; ++i) {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                for (double& part : registers.InverseSource.v[r][c])
                    part = static_cast<double>(static_cast<std::int64_t>(rng() >> 11) - (1LL << 52)) * 0x1p-52 *
                           (i % 3 == 0 && c == i % 4 ? 0.02 : 1.0);
        const bool inverted = InvertMatrix(registers, platform);
        fold(&inverted, 1);
        for (const ComplexMatrix* m : {&registers.InverseResult, &registers.EliminationMatrix,
                                       &registers.EliminationWorkA, &registers.EliminationWorkB})
            fold(m->v, sizeof m->v);
        fold(registers.PivotIndex.data(), sizeof registers.PivotIndex);
    }
    for (const auto& m : platform.messages) fold((m.title + m.text).data(), m.title.size() + m.text.size());
    EXPECT_GT(platform.messages.size(), 500u);
    EXPECT_EQ(digest, 17018400125041499681u);
}

// A later call starts from a clean record table.
TEST(InvertMatrix, RecordsDoNotLeakIntoTheNextInversion) {
    SharedRegisters registers;
    FakePlatform platform;
    registers.InverseSource = Permutation({3, 2, 1, 0});
    ASSERT_TRUE(InvertMatrix(registers, platform));
    registers.InverseSource = ComplexMatrix::Identity();
    ASSERT_TRUE(InvertMatrix(registers, platform));
    EXPECT_EQ(registers.PivotIndex, kNoRecord);
    EXPECT_TRUE(registers.InverseResult.BitwiseEquals(ComplexMatrix::Identity()));
}

struct FloorCase {
    std::string name;
    ComplexMatrix input;
    std::vector<std::string> titles;
};

class SmallDiagonal : public ::testing::TestWithParam<FloorCase> {};

TEST_P(SmallDiagonal, IsReportedOncePerRowBelowItAndTheInversionGoesOn) {
    const FloorCase& tc = GetParam();
    SharedRegisters registers;
    FakePlatform platform;
    registers.InverseSource = tc.input;

    EXPECT_TRUE(InvertMatrix(registers, platform));

    std::vector<std::string> titles;
    for (const auto& m : platform.messages) {
        EXPECT_EQ(m.text, kSmallDiagonalMessage);
        EXPECT_EQ(m.style, 48);
        titles.push_back(m.title);
    }
    EXPECT_EQ(titles, tc.titles);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SmallDiagonal,
    ::testing::Values(
        // Column 1 holds 0.05 in every candidate row: U(1,1) = 0.05 whichever row is tried.
        FloorCase{"U11", Make({{0, 0, 1, 0}, {0, 1, 1, 0}, {1, 1, 0.05, 0}, {2, 1, 0.05, 0}, {3, 1, 0.05, 0},
                               {1, 2, 1, 0}, {2, 3, 1, 0}}),
                  {"1", "1"}},
        FloorCase{"U22", Make({{0, 0, 1, 0}, {1, 1, 1, 0}, {2, 2, 0, 0.05}, {3, 2, 0.05, 0}, {2, 3, 1, 0}}),
                  {"2"}},
        // 0.06 + 0.08i squares to exactly 0.01 in binary: at the floor is not below it.
        FloorCase{"AtTheFloor",
                  Make({{0, 0, 1, 0}, {1, 1, 1, 0}, {2, 2, 0.06, 0.08}, {3, 2, 0.08, 0.06}, {2, 3, 1, 0}}), {}}),
    [](const auto& info) { return info.param.name; });

struct SingularCase {
    std::string name;
    ComplexMatrix input;
    int floorMessages;  // small-diagonal reports that come before the refusal
};

class SingularInput : public ::testing::TestWithParam<SingularCase> {};

TEST_P(SingularInput, IsRefusedWithAMessageAndAnIdentityResult) {
    const SingularCase& tc = GetParam();
    SharedRegisters registers;
    FakePlatform platform;
    registers.InverseSource = tc.input;
    registers.InverseResult = Permutation({1, 0, 2, 3});  // an earlier result

    EXPECT_FALSE(InvertMatrix(registers, platform));

    ASSERT_EQ(platform.messages.size(), static_cast<std::size_t>(tc.floorMessages + 1));
    const auto& last = platform.messages.back();
    EXPECT_EQ(last.text, kNotInvertibleMessage);
    EXPECT_EQ(last.style, 48);
    EXPECT_EQ(last.title, "メッセージ");
    EXPECT_TRUE(registers.InverseResult.BitwiseEquals(ComplexMatrix::Identity()));
    EXPECT_TRUE(registers.InverseSource.BitwiseEquals(tc.input));
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, SingularInput,
    ::testing::Values(
        SingularCase{"Zero", ComplexMatrix(), 0},
        SingularCase{"ZeroColumn0", Make({{0, 1, 1, 0}, {1, 2, 1, 0}, {2, 3, 1, 0}, {3, 3, 1, 0}}), 0},
        SingularCase{"ZeroLastColumn", Make({{0, 0, 1, 0}, {1, 1, 1, 0}, {2, 2, 1, 0}}), 0},
        // Column 1 equals column 0: U(1,1) is zero for every candidate row (reported for
        // rows 2 and 3), and so is U(2,2) (reported for row 3) before the refusal.
        SingularCase{"RepeatedColumn", Make({{0, 0, 1, 0}, {0, 1, 1, 0}, {1, 2, 1, 0}, {2, 3, 1, 0}}), 3},
        SingularCase{"NaN", Make({{0, 0, 1, 0}, {1, 1, 1, 0}, {2, 2, kNaN, 0}, {3, 3, 1, 0}}), 0},
        SingularCase{"NaNInColumn0", Make({{0, 0, 1, 0}, {1, 0, 0, kNaN}, {1, 1, 1, 0}, {2, 2, 1, 0}, {3, 3, 1, 0}}),
                     0},
        SingularCase{"Infinity", Make({{0, 0, 1, 0}, {1, 1, kInf, 0}, {2, 2, 1, 0}, {3, 3, 1, 0}}), 0},
        // Too large to square: the elimination overflows instead of inverting.
        SingularCase{"Overflow", Make({{0, 0, 1e300, 0}, {1, 1, 1, 0}, {2, 2, 1, 0}, {3, 3, 1, 0}}), 0}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace selvaris
