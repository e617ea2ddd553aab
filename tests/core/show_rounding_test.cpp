#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "core/show_rounding.h"

namespace selvaris {
namespace {

bool SameBits(const ComplexMatrix& a, const ComplexMatrix& b) { return std::memcmp(a.v, b.v, sizeof a.v) == 0; }

// The processor's wide path and the element-at-a-time one give the same bits:
// for whole matrices of every decimal count, and where one element of a pair
// that the wide path takes together is NaN, infinite or too large for it.
TEST(ShowRounding, EveryPathGivesTheSameBits) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const double largest[] = {0.75, 9.99, 99.9, 999.9, 9999.9};
    const double odd[] = {kNaN, -kNaN, kInf, -kInf, 1e4, -1e4, 2.5e9, -0.0, 0.99985, -0.99985, 3.00019, -2.99981};
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int trial = 0; trial < 4000; ++trial) {
        ComplexMatrix m;
        const double scale = largest[static_cast<std::size_t>(trial) % std::size(largest)];
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                for (int part = 0; part < 2; ++part) {
                    // Half near whole numbers, where the snap decides.
                    const double x = unit(rng) * scale;
                    m.v[r][c][part] = rng() % 2 ? x : std::round(x) + unit(rng) * 0.0003;
                }
        if (trial % 3 == 0) {
            const std::size_t at = rng() % 32;
            m.v[at / 8][(at / 2) % 4][at % 2] = odd[rng() % std::size(odd)];
        }
        ComplexMatrix best, oneByOne;
        RoundForShow(m, best, RoundingWidth::Widest);
        RoundForShow(m, oneByOne, RoundingWidth::OneElement);
        ASSERT_TRUE(SameBits(best, oneByOne)) << "trial " << trial;
    }
}

}  // namespace
}  // namespace selvaris
