#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

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

// Every bit of the product as it has always been, over random operands with
// exact zeros of both signs, ones, infinities and NaN among them: the
// decomposition's factors are compared bit for bit against older results.
TEST(ComplexProduct, EveryBitStaysAsItWas) {
    std::mt19937_64 rng(7);
    const double specials[] = {0.0, -0.0, 1.0, -1.0, std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN(), 1e-300, 1e300};
    const auto draw = [&rng, &specials] {
        const std::uint64_t bits = rng();
        if (bits % 5 == 0) return specials[(bits >> 8) % 8];
        return static_cast<double>(static_cast<std::int64_t>(bits >> 11) - (1LL << 52)) * 0x1p-52;
    };
    std::uint64_t digest = 14695981039346656037u;
    for (int i = 0; i < 2000; ++i) {
        ComplexMatrix a, b;
        for (ComplexMatrix* m : {&a, &b})
            for (auto& row : m->v)
                for (auto& element : row)
                    for (double& part : element) part = draw();
        ComplexMatrix p = ComplexProduct(a, b);
        // The compiler may pick either operand's NaN; that a NaN comes out is what counts.
        for (auto& row : p.v)
            for (auto& element : row)
                for (double& part : element)
                    if (std::isnan(part)) part = std::numeric_limits<double>::quiet_NaN();
        const auto* byte = reinterpret_cast<const unsigned char*>(p.v);
        for (std::size_t k = 0; k < sizeof p.v; ++k) digest = (digest ^ byte[k]) * 1099511628211u;
    }
    EXPECT_EQ(digest, 5060213940726148929u);
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
