#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace selvaris {

namespace {

constexpr int kSignificantDigits = 15;

// "00", "01", ... "99" one after the other.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

char* Copy(char* out, const char* text) {
    const std::size_t length = std::strlen(text);
    std::memcpy(out, text, length);
    return out + length;
}

// Displayed values are multiples of 0.0001 at most: when x is the double
// nearest to k / 10000 for a whole k of at most 15 digits, its 15-digit text
// is exactly the decimal k / 10000, which we can write with integer arithmetic.
// Returns nullptr for any other x.
char* WriteTenThousandths(char* out, double x) {
    constexpr double kScale = 10000.0;
    // Keeps k below 10^15 and the text in plain form; also turns NaN away.
    if (!(std::fabs(x) < 1e11)) return nullptr;
    const double scaled = x * kScale;
    const auto k = static_cast<std::int64_t>(scaled >= 0 ? scaled + 0.5 : scaled - 0.5);
    if (static_cast<double>(k) / kScale != x) return nullptr;

    char* const limit = out + kNumberTextCapacity;
    const std::uint64_t magnitude = static_cast<std::uint64_t>(k < 0 ? -k : k);
    if (k < 0) *out++ = '-';
    out = std::to_chars(out, limit, magnitude / 10000).ptr;
    const auto fraction = static_cast<unsigned>(magnitude % 10000);
    if (fraction == 0) return out;
    *out++ = '.';
    // The four digits, of which the trailing zeros are left out by fixed-size
    // copies (single stores): nothing may land past the end of the text.
    char digits[4];
    std::memcpy(digits, kDigitPairs.data() + 2 * (fraction / 100), 2);
    std::memcpy(digits + 2, kDigitPairs.data() + 2 * (fraction % 100), 2);
    if (fraction % 10 != 0) return static_cast<char*>(std::memcpy(out, digits, 4)) + 4;
    if (fraction % 100 != 0) return static_cast<char*>(std::memcpy(out, digits, 3)) + 3;
    if (fraction % 1000 != 0) return static_cast<char*>(std::memcpy(out, digits, 2)) + 2;
    *out = digits[0];
    return out + 1;
}

}  // namespace

char* WriteNumber(char* out, double x) {
    if (std::isnan(x)) return Copy(out, "NaN");
    if (std::isinf(x)) return Copy(out, x < 0 ? "-Infinity" : "Infinity");
    if (x == 0.0) return Copy(out, "0");  // minus zero too
    if (char* end = WriteTenThousandths(out, x)) return end;

    // The general form picks the exponent form exactly when the exponent after
    // rounding is below -4 or at least 15, drops trailing zeros and ignores the
    // locale; only its exponent letter differs.
    const auto [end, ec] =
        std::to_chars(out, out + kNumberTextCapacity, x, std::chars_format::general, kSignificantDigits);
    if (ec != std::errc()) return out;
    for (char* p = out; p != end; ++p)
        if (*p == 'e') *p = 'E';
    return end;
}

std::string FormatNumber(double x) {
    char buffer[kNumberTextCapacity];
    return std::string(buffer, WriteNumber(buffer, x));
}

}  // namespace selvaris
