#include <gtest/gtest.h>

#include "core/complex_matrix.h"

namespace selvaris {
namespace {

TEST(ComplexProduct, IdentityIsNeutralAndOperandMayBeDestination) {
    ComplexMatrix a;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            a.re(r, c) = r + 0.5 * c;
            a.im(r, c) = c - 0.25 * r;
        }
    EXPECT_TRUE(ComplexProduct(ComplexMatrix::Identity(), a).BitwiseEquals(a));
    ComplexMatrix separate = ComplexProduct(a, a);
    a = ComplexProduct(a, a);
    EXPECT_TRUE(a.BitwiseEquals(separate));
}

TEST(MatrixHistory, SlotRoundTripIsBitExactAndOutOfRangeThrows) {
    MatrixHistory h;
    ComplexMatrix m = ComplexMatrix::InitialFinalGate();
    m.re(1, 2) = 0.1;
    h.at(50) = m;
    EXPECT_TRUE(h.at(50).BitwiseEquals(m));
    EXPECT_THROW(h.at(51), std::out_of_range);
    EXPECT_THROW(h.at(-1), std::out_of_range);
}

}  // namespace
}  // namespace selvaris
