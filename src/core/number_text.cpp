#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace selvaris {

namespace {

constexpr int kSignificantDigits = 15;

// The decimal digits (no leading or trailing zeros) and the decimal exponent
// of |x| rounded to 15 significant digits, so that |x| = 0.d1d2d3... * 10^(exponent + 1).
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal ToDecimal(double magnitude) {
    // std::to_chars never looks at the locale and rounds correctly.
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                   kSignificantDigits - 1);
    Decimal result;
    if (ec != std::errc()) return result;
    std::string text(buffer, end);  // d.dddddddddddddde+XX
    std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') result.digits += text[i];
    while (result.digits.size() > 1 && result.digits.back() == '0') result.digits.pop_back();
    result.exponent = std::atoi(text.c_str() + e + 1);
    return result;
}

std::string ExponentForm(const Decimal& d) {
    std::string out(1, d.digits[0]);
    if (d.digits.size() > 1) out += "." + d.digits.substr(1);
    out += d.exponent < 0 ? "E-" : "E+";
    std::string power = std::to_string(std::abs(d.exponent));
    if (power.size() < 2) power.insert(0, "0");
    return out + power;
}

std::string PlainForm(const Decimal& d) {
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent < 0) return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    const int whole = d.exponent + 1;
    if (count <= whole) return d.digits + std::string(static_cast<std::size_t>(whole - count), '0');
    return d.digits.substr(0, static_cast<std::size_t>(whole)) + "." + d.digits.substr(static_cast<std::size_t>(whole));
}

}  // namespace

std::string FormatNumber(double x) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Infinity" : "Infinity";
    if (x == 0.0) return "0";
    const Decimal d = ToDecimal(std::fabs(x));
    const bool exponentForm = d.exponent < -4 || d.exponent >= kSignificantDigits;
    return (x < 0 ? "-" : "") + (exponentForm ? ExponentForm(d) : PlainForm(d));
}

}  // namespace selvaris
