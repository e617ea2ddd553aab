#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace selvaris {

namespace {

constexpr int kSignificantDigits = 15;

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

    std::uint64_t magnitude = static_cast<std::uint64_t>(k < 0 ? -k : k);
    if (k < 0) *out++ = '-';
    out = std::to_chars(out, out + kNumberTextCapacity, magnitude / 10000).ptr;
    unsigned fraction = static_cast<unsigned>(magnitude % 10000);
    if (fraction == 0) return out;
    int width = 4;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --width;
    }
    *out++ = '.';
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    return out + width;
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
