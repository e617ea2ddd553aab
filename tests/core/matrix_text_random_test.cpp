// The allocation-free rendering against a plain string-building one, on
// seeded random numbers and matrices: not a character may differ.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "reference_snap.h"
#include "core/matrix_text.h"
#include "core/number_text.h"
#include "support/matrix_builders.h"

namespace selvaris {
namespace {

// 15 significant digits by way of the scientific form, then laid out by hand.
std::string ReferenceNumber(double x) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Infinity" : "Infinity";
    if (x == 0.0) return "0";
    char buffer[64];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::scientific, 14).ptr;
    const std::string text(buffer, end);  // d.dddddddddddddde+XX
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(text.c_str() + e + 1);
    std::string out = x < 0 ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "");
        const std::string power = std::to_string(std::abs(exponent));
        return out + (exponent < 0 ? "E-" : "E+") + (power.size() < 2 ? "0" : "") + power;
    }
    if (exponent < 0) return out + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto whole = static_cast<std::size_t>(exponent + 1);
    if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
    return out + digits.substr(0, whole) + "." + digits.substr(whole);
}

std::string ReferenceCell(double re, double im) {
    if (re == 0 && im == 0) return "0";
    if (im == 0) return ReferenceNumber(re);
    if (re == 0) return im == 1 ? "i" : im == -1 ? "-i" : ReferenceNumber(im) + "i";
    if (im == 1) return ReferenceNumber(re) + "+i";
    if (im == -1) return ReferenceNumber(re) + "-i";
    if (im < 0) return ReferenceNumber(re) + ReferenceNumber(im) + "i";
    return ReferenceNumber(re) + "+" + ReferenceNumber(im) + "i";
}

// Floor to the decimals of the largest component, the imaginary part through a
// 32-bit integer when it fits, then the snap by repeated subtraction.
ComplexMatrix ReferenceRounding(const ComplexMatrix& m) {
    double largest = 0;
    for (const auto& row : m.v)
        for (const auto& element : row)
            for (double part : element) largest = std::fabs(part) > largest ? std::fabs(part) : largest;
    const int d = largest >= 10000 ? 0 : largest >= 1000 ? 1 : largest >= 100 ? 2 : largest >= 10 ? 3 : 4;
    const double scale = std::pow(10.0, d);
    ComplexMatrix out;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            out.re(r, c) = std::floor(m.re(r, c) * scale) / scale;
            double im = std::floor(m.im(r, c) * scale);
            if (im >= -2147483648.0 && im <= 2147483647.0) im = static_cast<std::int32_t>(im);
            out.im(r, c) = im / scale;
        }
    if (d == 0) return out;
    for (auto& row : out.v)
        for (auto& element : row)
            for (double& x : element)
                if (!std::isnan(x)) x = testing::ReferenceSnap(x);
    return out;
}

std::string ReferenceText(const ComplexMatrix& rounded) {
    std::string text;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const std::string cell = ReferenceCell(rounded.re(r, c), rounded.im(r, c));
            text += cell + std::string(cell.size() < 19 ? 19 - cell.size() : 0, ' ');
        }
        text += "\r\n";
    }
    return text;
}

// Numbers of every kind the rendering can meet, weighted towards the places
// where text goes wrong: multiples of 0.0001 and their neighbours, whole
// numbers, powers of ten (where the 15-digit rounding changes the exponent
// or the form), and arbitrary bit patterns (NaN, infinities, subnormals).
double RandomNumber(std::mt19937_64& rng) {
    std::uniform_int_distribution<int> kind(0, 8);
    std::uniform_int_distribution<std::int64_t> digits(-99999999, 99999999);
    std::uniform_int_distribution<int> power(-20, 20);
    std::uniform_int_distribution<int> ulps(-3, 3);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    const double sign = rng() % 2 ? 1.0 : -1.0;
    switch (kind(rng)) {
        case 0: return std::bit_cast<double>(rng());
        case 1: return static_cast<double>(digits(rng)) / std::pow(10.0, rng() % 9);
        case 2: return std::nextafter(static_cast<double>(digits(rng)) / 10000.0, sign * 1e300);
        case 3: return static_cast<double>(digits(rng) % 20);
        case 4: {
            double x = sign * std::pow(10.0, power(rng));
            for (int n = ulps(rng); n != 0; n += n > 0 ? -1 : 1) x = std::nextafter(x, n > 0 ? 1e308 : -1e308);
            return x;
        }
        case 5: return sign * (1e15 - static_cast<double>(rng() % 1000) / 8.0);
        case 6: return unit(rng) * std::pow(10.0, power(rng));
        case 7: {  // 16 digits ending in 5: halfway at the 15th digit, up to the binary rounding
            const auto halfway = static_cast<double>((static_cast<std::int64_t>(rng() % 800000000000000) + 100000000000000) * 10 + 5);
            return sign * halfway / std::pow(10.0, power(rng) + 20);
        }
        default: return unit(rng);
    }
}

TEST(RenderMatrixTextRandom, NumbersMatchTheReference) {
    std::mt19937_64 rng(8);
    for (int i = 0; i < 60000; ++i) {
        const double x = RandomNumber(rng);
        const std::string text = FormatNumber(x);
        ASSERT_EQ(text, ReferenceNumber(x)) << std::hexfloat << x;
        ASSERT_LE(text.size(), kNumberTextCapacity);
    }
}

// The entry window formats whatever it put into the rounded copy itself.
TEST(RenderMatrixTextRandom, CellsMatchTheReference) {
    std::mt19937_64 rng(9);
    const double special[] = {0.0, -0.0, 1.0, -1.0};
    SharedRegisters registers;
    for (int i = 0; i < 30000; ++i) {
        const double re = i % 5 == 0 ? special[rng() % 4] : RandomNumber(rng);
        const double im = i % 3 == 0 ? special[rng() % 4] : RandomNumber(rng);
        registers.RoundedShowMatrix.re(1, 2) = re;
        registers.RoundedShowMatrix.im(1, 2) = im;
        FormatCell(registers, 1, 2);
        ASSERT_EQ(registers.CellText, ReferenceCell(re, im)) << std::hexfloat << re << " " << im;
    }
}

// Whole matrices, rounded copy bit for bit included: unitaries, scaled ones
// (every decimal count), and ones with a few wild components; one set of
// registers throughout, as in the program.
TEST(RenderMatrixTextRandom, MatricesMatchTheReference) {
    std::mt19937_64 rng(10);
    const double scales[] = {1.0, 12.5, 345.0, 6789.0, 123456.0};
    SharedRegisters registers;
    for (int i = 0; i < 6000; ++i) {
        ComplexMatrix m = testing::RandomUnitary(rng);
        const double scale = scales[i % 5];
        for (auto& row : m.v)
            for (auto& element : row)
                for (double& part : element) {
                    part *= scale;
                    // whole numbers and the snap margins around them
                    if (rng() % 8 == 0) part = std::round(part) + static_cast<double>(rng() % 9) * 0.0001 - 0.0004;
                    if (rng() % 16 == 0) part = -0.0;
                    if (i % 4 == 3 && rng() % 6 == 0) part = RandomNumber(rng);
                }
        registers.ShowMatrix = m;
        RenderMatrixText(registers);
        const ComplexMatrix rounded = ReferenceRounding(m);
        ASSERT_TRUE(registers.RoundedShowMatrix.BitwiseEquals(rounded)) << "matrix " << i;
        ASSERT_EQ(registers.MatrixText, ReferenceText(rounded)) << "matrix " << i;
        ASSERT_EQ(registers.CellText, ReferenceCell(rounded.re(3, 3), rounded.im(3, 3))) << "matrix " << i;
    }
}

}  // namespace
}  // namespace selvaris
