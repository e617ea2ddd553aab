#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "entry/cell_parser.h"
#include "support/fake_platform.h"

namespace selvaris {
namespace {

using testing::FakePlatform;

// An independent reading of the cell syntax: optional "-", up to five digits
// with at most one inner point, then optionally "i", or a sign and a second
// such number (or none) followed by "i"; at most 15 characters.
struct Reference {
    double real;
    double imag;
    bool exact;  // no fraction digits: the value must match to the bit
};

int DigitCount(const std::string& s) {
    int n = 0;
    for (char ch : s) n += (ch >= '0' && ch <= '9') ? 1 : 0;
    return n;
}

std::optional<Reference> ReferenceReading(const std::string& text) {
    static const std::regex kReal(R"(^(-?)([0-9]+(?:\.[0-9]+)?)$)");
    static const std::regex kImaginary(R"(^(-?)([0-9]+(?:\.[0-9]+)?)i$)");
    static const std::regex kUnit(R"(^(-?)i$)");
    static const std::regex kComplex(R"(^(-?)([0-9]+(?:\.[0-9]+)?)([+-])([0-9]+(?:\.[0-9]+)?)?i$)");
    if (text.empty()) return Reference{0, 0, true};
    if (text.size() > 15) return std::nullopt;
    const bool exact = text.find('.') == std::string::npos;
    const auto number = [](const std::string& sign, const std::string& digits) {
        return std::strtod((sign + digits).c_str(), nullptr);
    };
    std::smatch m;
    if (std::regex_match(text, m, kReal) && DigitCount(m[2]) <= 5) return Reference{number(m[1], m[2]), 0, exact};
    if (std::regex_match(text, m, kImaginary) && DigitCount(m[2]) <= 5)
        return Reference{0, number(m[1], m[2]), exact};
    if (std::regex_match(text, m, kUnit)) return Reference{0, m[1].length() ? -1.0 : 1.0, true};
    if (std::regex_match(text, m, kComplex) && DigitCount(m[2]) <= 5 && DigitCount(m[4]) <= 5) {
        const std::string second = m[4].matched ? std::string(m[4]) : "1";
        return Reference{number(m[1], m[2]), number(m[3] == "-" ? "-" : "", second), exact};
    }
    return std::nullopt;
}

bool Close(double value, double reference, bool exact) {
    if (exact || reference == 0.0) return value == reference;
    return std::fabs(value - reference) <= 4 * std::numeric_limits<double>::epsilon() * std::fabs(reference);
}

// Characters outside the syntax, as UTF-8: letters that look right, a space,
// full-width and non-basic-plane characters, a stray byte and NUL.
const std::vector<std::string> kForeign = {
    "I", "e", "j", " ", "E", "\xC3\xA9", "\xEF\xBC\x91", "\xF0\x9F\x98\x80", "\xFF", std::string(1, '\0'), "*",
};

class TextGenerator {
public:
    explicit TextGenerator(unsigned seed) : rng_(seed) {}

    std::string Token() {
        static const std::string kSyntax = "0123456789.+-i";
        if (Chance(0.03)) return kForeign[Pick(kForeign.size())];
        // Digits twice as likely as the rest, so numbers appear.
        if (Chance(0.5)) return std::string(1, static_cast<char>('0' + Pick(10)));
        return std::string(1, kSyntax[Pick(kSyntax.size())]);
    }

    std::string Uniform() {
        std::string s;
        const std::size_t length = Pick(19);
        for (std::size_t k = 0; k < length; ++k) s += Token();
        return s;
    }

    // A well-formed looking text, then a few random edits.
    std::string NearValid() {
        std::string s;
        const std::size_t lead = Pick(6);
        if (lead == 0) s += "-";
        if (lead == 1) s += "+";
        s += Number();
        const std::size_t tail = Pick(4);
        if (tail == 1) s += "i";
        if (tail >= 2) s += std::string(Chance(0.5) ? "+" : "-") + (Chance(0.2) ? "" : Number()) + "i";
        const std::size_t edits = Chance(0.5) ? 0 : Pick(3);
        for (std::size_t k = 0; k < edits && !s.empty(); ++k) {
            const std::size_t at = Pick(s.size());
            switch (Pick(3)) {
                case 0: s.erase(at, 1); break;
                case 1: s.insert(at, Token()); break;
                default: s.replace(at, 1, Token()); break;
            }
        }
        return s;
    }

private:
    std::string Number() {
        std::string n;
        const std::size_t digits = 1 + Pick(Chance(0.9) ? 5 : 7);
        for (std::size_t k = 0; k < digits; ++k) n += static_cast<char>('0' + Pick(10));
        const std::size_t points = Chance(0.5) ? 0 : (Chance(0.9) ? 1 : 2);
        for (std::size_t k = 0; k < points; ++k) n.insert(Pick(n.size() + 1), ".");
        return n;
    }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

    std::mt19937 rng_;
};

bool OnlySyntaxCharacters(const std::string& text) {
    return text.find_first_not_of("0123456789.+-i") == std::string::npos;
}

// Neither of the first two characters is a digit, and the text is not "i..." or "-i...".
bool HasBadBeginning(const std::string& text) {
    const auto digitAt = [&](std::size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
    if (digitAt(0) || digitAt(1)) return false;
    return !(text.rfind("i", 0) == 0 || text.rfind("-i", 0) == 0);
}

void CheckAgainstReference(const std::string& text, int& acceptedCount) {
    const CellCheck check = CheckCellText(text);
    const std::optional<Reference> reference = OnlySyntaxCharacters(text) ? ReferenceReading(text) : std::nullopt;

    ASSERT_EQ(check.accepted, reference.has_value())
        << "text \"" << text << "\" " << (check.accepted ? "accepted" : "refused with " + CellErrorCode(check.error));
    if (check.accepted) {
        ++acceptedCount;
        EXPECT_TRUE(Close(check.real, reference->real, reference->exact))
            << "text \"" << text << "\" real " << check.real << " expected " << reference->real;
        EXPECT_TRUE(Close(check.imag, reference->imag, reference->exact))
            << "text \"" << text << "\" imag " << check.imag << " expected " << reference->imag;
    } else if (!OnlySyntaxCharacters(text) && text.size() <= 15) {
        // Multi-byte characters only make a text shorter in UTF-16 units than in bytes.
        EXPECT_EQ(CellErrorCode(check.error), "E14") << "text \"" << text << "\"";
    } else if (OnlySyntaxCharacters(text) && text.size() <= 15) {
        // E04 is the refusal of a bad beginning and nothing else: no text that
        // starts well may fall through to it.
        EXPECT_EQ(CellErrorCode(check.error) == "E04", HasBadBeginning(text)) << "text \"" << text << "\"";
    }

    // Through the window's entry point: one message for a refusal, none otherwise.
    SharedRegisters registers;
    FakePlatform platform;
    CellValues values{-7.0, -7.0};
    ParseCell(text, 3, 0, values, registers, platform);
    EXPECT_EQ(platform.messages.size(), check.accepted ? 0u : 1u) << "text \"" << text << "\"";
    EXPECT_EQ(registers.EntryError, !check.accepted);
    if (!check.accepted) {
        EXPECT_EQ(values.CellReal, -7.0);
        EXPECT_EQ(values.CellImag, -7.0);
    }
}

TEST(CheckCellRandomised, AgreesWithAnIndependentReading) {
    TextGenerator generator(20240611u);
    int accepted = 0;
    for (int k = 0; k < 30000; ++k) {
        const std::string text = (k % 2 == 0) ? generator.Uniform() : generator.NearValid();
        CheckAgainstReference(text, accepted);
        if (::testing::Test::HasFatalFailure()) return;
    }
    // The generator must reach the accepted side often enough to mean something.
    EXPECT_GT(accepted, 3000);
}

TEST(CheckCellRandomised, LongTextsAreRefusedForLength) {
    TextGenerator generator(7u);
    for (int k = 0; k < 300; ++k) {
        std::string text;
        while (text.size() < 16 + static_cast<std::size_t>(k) * 33) text += generator.Token();
        const CellCheck check = CheckCellText(text);
        ASSERT_FALSE(check.accepted);
        EXPECT_EQ(CellErrorCode(check.error), "E15");
    }
}

}  // namespace
}  // namespace selvaris
