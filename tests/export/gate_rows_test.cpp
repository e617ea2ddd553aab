#include "export/gate_rows.h"

#include <gtest/gtest.h>

#include <complex>
#include <random>

#include "export/circuit.h"
#include "export/u3_angles.h"

namespace selvaris {
namespace {

// Gates of every kind the circuits hold, each applied to the product of all
// before it: the rows worked out alone must give the 4x4 product's every bit.
TEST(ApplyGate, GivesTheFourByFourProductBitForBit) {
    std::mt19937_64 rng(77);
    std::uniform_real_distribution<double> angle(-3.5, 3.5);
    const Block2 flip = {{{0.0, 1.0}, {1.0, 0.0}}};
    using Complex = std::complex<double>;
    const Block2 minusZeros = {{{Complex(1.0, -0.0), Complex(-0.0, -0.0)}, {Complex(-0.0, 0.0), Complex(0.0, -1.0)}}};
    ComplexMatrix rows = ComplexMatrix::Identity(), product = rows;
    for (int n = 0; n < 3000; ++n) {
        const Block2 blocks[] = {U3Block({angle(rng), angle(rng), angle(rng), angle(rng)}), flip, minusZeros,
                                 U3Block({0.0, 0.0, angle(rng), 0.0}), U3Block({3.141592653589793, 0.0, 0.0, 0.0})};
        const int control = static_cast<int>(rng() % 3) - 1;
        const CircuitGate gate{blocks[rng() % 5], static_cast<int>(rng() % 2), control, rng() % 2 == 0};
        ApplyGate(gate, rows);
        product = ComplexProduct(EmbeddedUnitary(gate), product);
        ASSERT_TRUE(rows.BitwiseEquals(product)) << "gate " << n;
    }
}

}  // namespace
}  // namespace selvaris
