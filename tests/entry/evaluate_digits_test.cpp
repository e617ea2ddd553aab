#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "entry/evaluate_digits.h"

namespace selvaris {
namespace {

DigitSlots Slots(const std::u16string& s) { return MakeDigitSlots(s); }

TEST(EvaluateDigits, SupportedShapes) {
    struct Case {
        std::u16string digits;
        int sign;
        double expected;
    };
    const Case cases[] = {
        {u"0", 1, 0},
        {u"7", -1, -7},
        {u"12", 1, 12},
        {u"12345", 1, 12345},
        {u"99999", -1, -99999},
        {u"00012", 1, 12},
        {u"1.5", 1, 1.5},
        {u"1.25", -1, -((1 + 0.2) + 0.05)},
        {u"12.5", 1, 12.5},
        {u"12.34", 1, (12 + 0.3) + 0.04},
        {u"1.234", 1, ((1 + 0.2) + 0.03) + 0.004},
        {u"123.4", 1, 123 + 0.4},
        {u"1.2345", 1, (((1 + 0.2) + 0.03) + 0.004) + 0.0005},
        {u"12.345", 1, ((12 + 0.3) + 0.04) + 0.005},
        {u"123.45", 1, (123 + 0.4) + 0.05},
        {u"1234.5", -1, -(1234 + 0.5)},
        {u"0.0001", 1, 0.0001},
    };
    for (const Case& c : cases) {
        double result = std::nan("");
        SCOPED_TRACE(std::string(c.digits.begin(), c.digits.end()));
        ASSERT_TRUE(EvaluateDigits(static_cast<int>(c.digits.size()), c.sign, Slots(c.digits), result));
        EXPECT_EQ(result, c.expected);
    }
}

TEST(EvaluateDigits, UnsupportedShapesLeaveTheResultUnchanged) {
    const std::u16string cases[] = {
        u"",        u"123456", u"1.23456", u"12345.6", u".5",   u"5.",  u"1.2.3", u"1-2",
        u"1i",      u"+5",     u"1..5",    u"1234567", u"1.2345678",
    };
    for (const std::u16string& digits : cases) {
        SCOPED_TRACE(std::string(digits.begin(), digits.end()));
        double result = 42.0;
        EXPECT_FALSE(EvaluateDigits(static_cast<int>(digits.size()), 1, Slots(digits), result));
        EXPECT_EQ(result, 42.0);
    }
}

TEST(EvaluateDigits, CountOutsideTheBufferOrBadSignIsUnsupported) {
    double result = 42.0;
    EXPECT_FALSE(EvaluateDigits(-1, 1, Slots(u"1"), result));
    EXPECT_FALSE(EvaluateDigits(9, 1, Slots(u"12345678"), result));
    EXPECT_FALSE(EvaluateDigits(1, 0, Slots(u"1"), result));
    EXPECT_EQ(result, 42.0);
    // Only the first count characters are read.
    EXPECT_TRUE(EvaluateDigits(2, 1, Slots(u"12x"), result));
    EXPECT_EQ(result, 12.0);
}

}  // namespace
}  // namespace selvaris
