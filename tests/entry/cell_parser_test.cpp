#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "entry/cell_parser.h"
#include "support/fake_platform.h"

namespace selvaris {
namespace {

using testing::FakePlatform;

struct Value {
    double real;
    double imag;
};

// Either the exact value or the code of the refusal.
struct Case {
    std::string text;
    std::optional<Value> value;
    std::string code;
};

Case Ok(std::string text, double real, double imag) { return {std::move(text), Value{real, imag}, ""}; }
Case Refused(std::string text, std::string code) { return {std::move(text), std::nullopt, std::move(code)}; }

void ExpectOutcome(const Case& c) {
    const CellCheck check = CheckCellText(c.text);
    if (c.value) {
        ASSERT_TRUE(check.accepted) << "refused with " << CellErrorCode(check.error);
        EXPECT_EQ(check.real, c.value->real);
        EXPECT_EQ(check.imag, c.value->imag);
    } else {
        ASSERT_FALSE(check.accepted) << "accepted as " << check.real << " " << check.imag;
        EXPECT_EQ(CellErrorCode(check.error), c.code);
    }
}

TEST(CheckCell, EdgeCases) {
    const Case cases[] = {
        Ok("", 0, 0),
        Ok("0", 0, 0),
        Refused("1234567890123.5", "E01"),  // 15 characters pass the length limit
        Refused("1+2+3+4+5+6+7+8", "E03"),
        Refused("1+2+3+4+5+6+7+89", "E15"),
        Refused("0000000000000000", "E15"),
        Ok("i", 0, 1),
        Ok("-i", 0, -1),
        Ok("1+i", 1, 1),
        Ok("3-i", 3, -1),
        Ok("-2.5i", 0, -2.5),
        Ok("99999", 99999, 0),
        Refused("123456", "E01"),
        Ok("1.2345", (((1 + 0.2) + 0.03) + 0.004) + 0.0005, 0),
        Refused("12.3456", "E01"),
        Refused("1+123456i", "E02"),
        Refused("1+2+3i", "E03"),
        Refused("5-5-5i", "E03"),
        Refused("1.2+3.4+5i", "E03"),
        Refused("--1", "E04"),
        Refused("5-", "E05"),
        Refused("5-.5i", "E05"),
        Refused("i+1", "E06"),
        Refused(".5i", "E07"),
        Refused("1..5+2i", "E10"),
        Refused("-5i-", "E11"),
        Ok("1.5+2i", 1.5, 2),
        Refused("1i2", "E12"),
        Refused("1-2", "E13"),
        Refused("5I", "E14"),
        Refused("1e3", "E14"),
        Refused(" 1", "E14"),
        Refused("1.2.3", "E16"),
        Refused("1.2+3.4.5i", "E17"),
        Refused("1+2i+", "E18"),
        Refused("-1-2i-", "E20"),
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text: \"" + c.text + "\"");
        ExpectOutcome(c);
    }
}

TEST(CheckCell, PositionsPastTheEndAreMissing) {
    const Case cases[] = {
        Refused("-", "E04"),  // c[1] of a one-character text
        Refused("+", "E04"),
        Refused(".", "E04"),
        Ok("7", 7, 0),
        Refused("1.........2345-", "E05"),  // the scan looks one place past the end
        Refused("12345+", "E05"),
        Refused("5+", "E05"),
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text: \"" + c.text + "\"");
        ExpectOutcome(c);
    }
}

// A point followed by one digit is a number wherever it stands; a point that
// ends the text, or stands before anything but a digit, is refused.
TEST(CheckCell, PointNearTheEnd) {
    const Case cases[] = {
        Ok("0.5", 0.5, 0),
        Ok("-2.5", -2.5, 0),
        Ok("1.5", 1.5, 0),
        Ok("0.50", 0.5, 0),
        Ok("0.5i", 0, 0.5),
        Ok("0.5+1i", 0.5, 1),
        Ok("1+0.5i", 1, 0.5),
        Ok("1-2.5i", 1, -2.5),
        Refused("5.", "E08"),
        Refused("-5.", "E08"),
        Refused("5.i", "E10"),
        Refused("1+5.i", "E10"),
        Refused("5.+1i", "E10"),
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text: \"" + c.text + "\"");
        ExpectOutcome(c);
    }
}

TEST(CheckCell, LeadingPlusIsRefusedAsNotNeeded) {
    const Case cases[] = {
        Refused("+5", "E06"),
        Refused("+3i", "E06"),
        Refused("+1-2i", "E06"),
        Refused("+1.5", "E06"),
        Refused("+i", "E04"),
        // Every other check comes first.
        Refused("+123456", "E01"),
        Refused("+1+2+i", "E18"),
        Refused("+694+1.9", "E18"),
        Refused("+8i71", "E12"),
        Refused("+6.038-977", "E13"),
        Refused("+5.", "E08"),
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text: \"" + c.text + "\"");
        ExpectOutcome(c);
    }
}

TEST(CheckCell, TwoPointsInOneOfTwoNumbersAreRefused) {
    const Case cases[] = {
        Refused("1.2.3+4i", "E17"),
        Refused("1+2.3.4i", "E17"),
        Refused("-1.2.3-4i", "E17"),
        Ok("1.2+3.4i", 1 + 0.2, 3 + 0.4),
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text: \"" + c.text + "\"");
        ExpectOutcome(c);
    }
}

TEST(CheckCell, SignsBetweenSecondNumberAndItsIAreRefused) {
    const Case cases[] = {
        Refused("1+2-i", "E03"),
        Refused("1-2+i", "E03"),
        Refused("1-2-i", "E03"),
        Refused("1+2--i", "E03"),
        Refused("-1-2+i", "E03"),
        Refused("1-2--i", "E20"),
        Ok("1-2i", 1, -2),
        Ok("-1-i", -1, -1),
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text: \"" + c.text + "\"");
        ExpectOutcome(c);
    }
}

// Fractions are built as the whole part plus each digit over its power of ten,
// added left to right; the expected values are written the same way.
TEST(CheckCell, ValuesAreTheDecimalNumbersTyped) {
    const Case cases[] = {
        Ok("00005", 5, 0),
        Ok("-0.25", -(0.2 + 0.05), 0),
        Ok("3i", 0, 3),
        Ok("-12.34-0.001i", -((12 + 0.3) + 0.04), -0.001),
        Ok("9999.9+99999i", 9999 + 0.9, 99999),
        Ok("0.0001i", 0, 0.0001),
        Ok("-1.5+0.25i", -1.5, 0.25),
        Ok("12.345+1.2345i", ((12 + 0.3) + 0.04) + 0.005, (((1 + 0.2) + 0.03) + 0.004) + 0.0005),
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text: \"" + c.text + "\"");
        ExpectOutcome(c);
    }
}

TEST(CheckCell, LengthCountsUtf16UnitsAndForeignCharactersAreRefused) {
    const std::string fullWidthOne = "\xEF\xBC\x91";       // U+FF11, one unit
    const std::string faceOutsideBmp = "\xF0\x9F\x98\x80";  // U+1F600, two units
    const Case cases[] = {
        Refused(fullWidthOne, "E14"),
        Refused(std::string(14, '1') + fullWidthOne, "E14"),  // 15 units
        Refused(std::string(15, '1') + fullWidthOne, "E15"),  // 16 units
        Refused(std::string(13, '1') + faceOutsideBmp, "E14"),  // 15 units
        Refused(std::string(14, '1') + faceOutsideBmp, "E15"),  // 16 units
        Refused("1\xFF", "E14"),                              // a stray byte is one unit
        Refused(std::string(15, '1') + "\xFF", "E15"),
        Refused(std::string(13, '1') + "\xE3\x81", "E14"),   // a cut sequence: one unit per byte
        Refused(std::string(14, '1') + "\xE3\x81", "E15"),
        Refused(std::string("1\0", 2), "E14"),
        Refused(std::string(10000, '1'), "E15"),
        Refused(std::string(10000, '\xFF'), "E15"),
        Refused("j", "E14"),
        Refused("1+2j", "E14"),
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text of " + std::to_string(c.text.size()) + " bytes");
        ExpectOutcome(c);
    }
}

TEST(CellErrorMessage, NamesReasonCellAndCode) {
    EXPECT_EQ(CellErrorMessage(CellError::TooLong, 2, 3), "文字数が多すぎます。修正が必要なセルは2行3列です。 E15");
    EXPECT_EQ(CellErrorMessage(CellError::BadCharacter, 1, 1),
              "使用できない文字があります。修正が必要なセルは1行1列です。 E14");
    EXPECT_EQ(CellErrorMessage(CellError::TooManyMinus, 4, 4), "- の数が多すぎます。修正が必要なセルは4行4列です。 E20");
    EXPECT_EQ(CellErrorCode(CellError::PointBeforeNonDigit), "E10");
    EXPECT_EQ(CellErrorReason(CellError::TooManySignsOneNumber), "+ - の数が多すぎます。");
    EXPECT_EQ(CellErrorReason(CellError::PlusNotNeeded), "+ は必要ありません。");
}

TEST(ParseCell, AcceptedTextSetsValuesAndNoFlag) {
    SharedRegisters registers;
    FakePlatform platform;
    CellValues values;
    ParseCell("1.5-2i", 2, 1, values, registers, platform);
    EXPECT_EQ(values.CellReal, 1.5);
    EXPECT_EQ(values.CellImag, -2.0);
    EXPECT_FALSE(registers.EntryError);
    EXPECT_TRUE(platform.messages.empty());
}

TEST(ParseCell, RefusalShowsOneMessageSetsPositionAndKeepsPreviousValues) {
    SharedRegisters registers;
    FakePlatform platform;
    CellValues values{0.25, -3.0};
    ParseCell("1234567890123456", 1, 2, values, registers, platform);

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "文字数が多すぎます。修正が必要なセルは2行3列です。 E15");
    EXPECT_EQ(platform.messages[0].style, 48);
    EXPECT_EQ(platform.messages[0].title, "Message");
    EXPECT_TRUE(registers.EntryError);
    EXPECT_EQ(registers.EntryErrorRow, 1);
    EXPECT_EQ(registers.EntryErrorColumn, 2);
    EXPECT_EQ(values.CellReal, 0.25);
    EXPECT_EQ(values.CellImag, -3.0);

    // A later accepted cell neither clears the flag nor moves the position.
    ParseCell("7", 3, 3, values, registers, platform);
    EXPECT_TRUE(registers.EntryError);
    EXPECT_EQ(registers.EntryErrorRow, 1);
    EXPECT_EQ(registers.EntryErrorColumn, 2);
    EXPECT_EQ(values.CellReal, 7.0);
    EXPECT_EQ(platform.messages.size(), 1u);
}

}  // namespace
}  // namespace selvaris
