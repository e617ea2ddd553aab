#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

#include "core/number_text.h"

namespace selvaris {
namespace {

struct NumberCase {
    double value;
    const char* text;
};

TEST(FormatNumber, ShortestTextWithFifteenSignificantDigits) {
    const double inf = std::numeric_limits<double>::infinity();
    const NumberCase cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.0, "1"},
        {-1.0, "-1"},
        {0.5, "0.5"},
        {-0.25, "-0.25"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {-0.7072, "-0.7072"},
        {123.45, "123.45"},
        {12345.678, "12345.678"},
        {100.0, "100"},
        {123456789012345.6, "123456789012346"},
        {99999999999999.0, "99999999999999"},
        {999999999999999.0, "999999999999999"},
        {0.0001, "0.0001"},
        {0.000123, "0.000123"},
        {0.0000999999999999999999, "0.0001"},  // rounds up into plain form
        {0.00001, "1E-05"},
        {0.0000123, "1.23E-05"},
        {-2.5e-7, "-2.5E-07"},
        {1e15, "1E+15"},
        {999999999999999.9, "1E+15"},  // rounds up into exponent form
        {1.5e20, "1.5E+20"},
        {1e100, "1E+100"},
        {-1e-300, "-1E-300"},
        {5e-324, "4.94065645841247E-324"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        {std::numeric_limits<double>::quiet_NaN(), "NaN"},
        {-std::numeric_limits<double>::quiet_NaN(), "NaN"},
        {inf, "Infinity"},
        {-inf, "-Infinity"},
    };
    for (const NumberCase& c : cases) EXPECT_EQ(FormatNumber(c.value), c.text) << c.text;
}

// A decimal comma in the C and C++ locales must not leak into the text.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(FormatNumber, IgnoresTheLocale) {
    const std::locale previousGlobal = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "fr_FR"})
        if (std::setlocale(LC_ALL, name)) break;

    EXPECT_EQ(FormatNumber(0.5), "0.5");
    EXPECT_EQ(FormatNumber(-1234.5), "-1234.5");
    EXPECT_EQ(FormatNumber(1.5e-7), "1.5E-07");

    std::setlocale(LC_ALL, previousC.c_str());
    std::locale::global(previousGlobal);
}

}  // namespace
}  // namespace selvaris
