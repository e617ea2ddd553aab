#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "circuit/gate_shape.h"
#include "core/zero_tests.h"
#include "workbench/merged_gate.h"
#include "workbench/two_level_gate.h"

namespace selvaris {
namespace {

using Position = std::pair<int, int>;

// Every element different, so any stray or missing copy shows.
ComplexMatrix Distinct() {
    ComplexMatrix m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            m.re(r, c) = 10 * r + c + 1;
            m.im(r, c) = -(r + 0.25 * c) - 1;
        }
    return m;
}

struct MergeCase {
    std::string name;
    // destination <- source
    std::vector<std::pair<Position, Position>> copies;
};

class MergedGate : public ::testing::TestWithParam<MergeCase> {};

TEST_P(MergedGate, CopiesTheBlockOntoItsSiblingPairAndNothingElse) {
    const MergeCase& tc = GetParam();
    const ComplexMatrix gate = Distinct();
    const ComplexMatrix merged = BuildMergedGate(gate, tc.name);

    std::set<Position> written;
    for (const auto& [to, from] : tc.copies) {
        written.insert(to);
        EXPECT_EQ(merged.re(to.first, to.second), gate.re(from.first, from.second));
        EXPECT_EQ(merged.im(to.first, to.second), gate.im(from.first, from.second));
    }
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (!written.count({r, c})) {
                EXPECT_EQ(merged.re(r, c), gate.re(r, c)) << r << "," << c;
                EXPECT_EQ(merged.im(r, c), gate.im(r, c)) << r << "," << c;
            }
}

INSTANTIATE_TEST_SUITE_P(
    Names, MergedGate,
    ::testing::Values(
        MergeCase{"0_1_b", {{{2, 2}, {0, 0}}, {{2, 3}, {0, 1}}, {{3, 2}, {1, 0}}, {{3, 3}, {1, 1}}}},
        MergeCase{"0_2_b", {{{1, 1}, {0, 0}}, {{1, 3}, {0, 2}}, {{3, 1}, {2, 0}}, {{3, 3}, {2, 2}}}},
        MergeCase{"1_3_a", {{{0, 0}, {1, 1}}, {{0, 2}, {1, 3}}, {{2, 0}, {3, 1}}, {{2, 2}, {3, 3}}}},
        MergeCase{"1_3_b", {{{0, 0}, {1, 1}}, {{0, 2}, {1, 3}}, {{2, 0}, {3, 1}}, {{2, 2}, {3, 3}}}},
        MergeCase{"2_3_a", {{{0, 0}, {2, 2}}, {{0, 1}, {2, 3}}, {{1, 0}, {3, 2}}, {{1, 1}, {3, 3}}}},
        MergeCase{"2_3_b", {{{0, 0}, {2, 2}}, {{0, 1}, {2, 3}}, {{1, 0}, {3, 2}}, {{1, 1}, {3, 3}}}},
        MergeCase{"org_gate", {}}, MergeCase{"", {}}, MergeCase{"0_1_a", {}}),
    [](const auto& info) {
        std::string label = info.param.name.empty() ? "empty" : info.param.name;
        for (char& ch : label)
            if (ch == '_') ch = 'x';
        return label;
    });

// A built gate with a mixing block merges into a gate on one wire alone.
TEST(MergedGate, OfABuiltGateActsOnOneWire) {
    struct Row {
        const char* name;
        GateShape wire;  // 4: bottom wire alone, 5: top wire alone
    };
    const Row rows[] = {{"0_1_b", 4}, {"2_3_a", 4}, {"2_3_b", 4}, {"0_2_b", 5}, {"1_3_a", 5}, {"1_3_b", 5}};
    ComplexMatrix target;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            target.re(r, c) = 0.5;
            target.im(r, c) = 0.25 * (r - c);
        }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto parsed = ParseGateName(row.name);
        const ComplexMatrix gate = parsed->form == GateForm::A ? TwoLevelGateA(target, parsed->p, parsed->q, 1)
                                                               : TwoLevelGateB(target, parsed->p, parsed->q, 1);
        const ComplexMatrix merged = BuildMergedGate(gate, row.name);
        EXPECT_EQ(ClassifyGateShape(merged, -1, kTolerance), row.wire);
        double worst = 0.0;
        const ComplexMatrix product = ComplexProduct(merged, Adjoint(merged));
        const ComplexMatrix identity = ComplexMatrix::Identity();
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                for (int k = 0; k < 2; ++k) worst = std::max(worst, std::abs(product.v[r][c][k] - identity.v[r][c][k]));
        EXPECT_LT(worst, 1e-14);
    }
}

}  // namespace
}  // namespace selvaris
