#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <set>

#include "files/matrix_file_format.h"

namespace selvaris {
namespace {

const std::uint8_t kOneLittleEndian[8] = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F};

TEST(MatrixFileFormat, IdentityHoldsOneAtTheFourDiagonalRealPartsOnly) {
    const MatrixFileBytes bytes = EncodeMatrixFile(ComplexMatrix::Identity());
    const std::set<std::size_t> diagonal = {0, 40, 80, 120};
    for (std::size_t offset = 0; offset < kMatrixFileBytes; offset += 8)
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(bytes[offset + i], diagonal.count(offset) ? kOneLittleEndian[i] : 0) << "byte " << offset + i;
}

TEST(MatrixFileFormat, TwoPlusThreeIAtRowOneColumnZero) {
    ComplexMatrix m;
    m.re(1, 0) = 2.0;
    m.im(1, 0) = 3.0;
    const MatrixFileBytes bytes = EncodeMatrixFile(m);
    const std::uint8_t two[8] = {0, 0, 0, 0, 0, 0, 0x00, 0x40};
    const std::uint8_t three[8] = {0, 0, 0, 0, 0, 0, 0x08, 0x40};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(bytes[32 + i], two[i]);
        EXPECT_EQ(bytes[160 + i], three[i]);
    }
}

TEST(MatrixFileFormat, NoOffsetOutsideTheMatrix) {
    const int kMin = std::numeric_limits<int>::min();
    const int kMax = std::numeric_limits<int>::max();
    const int bad[][3] = {{2, 0, 0}, {-1, 0, 0}, {0, 4, 0}, {0, 0, -1}, {kMax, kMax, kMax}, {kMin, kMin, kMin}};
    for (const auto& b : bad) EXPECT_EQ(MatrixFileOffset(b[0], b[1], b[2]), kMatrixFileBytes) << b[0] << b[1] << b[2];
    EXPECT_EQ(MatrixFileOffset(1, 3, 3), 248u);
}

TEST(MatrixFileFormat, BytesAreLeastSignificantFirst) {
    ComplexMatrix m;
    m.re(0, 0) = std::bit_cast<double>(std::uint64_t{0x0102030405060708});
    const MatrixFileBytes bytes = EncodeMatrixFile(m);
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(bytes[i], 8 - i);
}

TEST(MatrixFileFormat, RoundTripKeepsEveryBit) {
    std::mt19937_64 random(20240611);
    for (int trial = 0; trial < 500; ++trial) {
        ComplexMatrix m;
        for (auto& row : m.v)
            for (auto& element : row)
                for (double& part : element) part = std::bit_cast<double>(random());  // NaN payloads too
        EXPECT_TRUE(DecodeMatrixFile(EncodeMatrixFile(m)).BitwiseEquals(m)) << "trial " << trial;
    }
    ComplexMatrix negativeZero;
    negativeZero.im(2, 1) = -0.0;
    EXPECT_TRUE(DecodeMatrixFile(EncodeMatrixFile(negativeZero)).BitwiseEquals(negativeZero));
}

TEST(MatrixFileFormat, FiniteCheckRefusesNaNAndInfinityAnywhere) {
    using limits = std::numeric_limits<double>;
    struct Case {
        double value;
        bool finite;
    };
    const Case cases[] = {
        {0.0, true},           {-0.0, true},           {limits::max(), true},     {limits::denorm_min(), true},
        {limits::quiet_NaN(), false}, {limits::infinity(), false}, {-limits::infinity(), false},
    };
    for (const Case& c : cases) {
        for (int part = 0; part < 2; ++part) {
            ComplexMatrix m = ComplexMatrix::Identity();
            m.v[3][2][part] = c.value;
            EXPECT_EQ(m.IsFinite(), c.finite) << c.value << " in part " << part;
        }
    }
}

}  // namespace
}  // namespace selvaris
