#pragma once

#include <cstddef>
#include <string>

namespace selvaris {

// The longest text of a number: "-1.79769313486232E+308" has 22 characters.
inline constexpr std::size_t kNumberTextCapacity = 24;

// N(x): at most 15 significant digits, no trailing zeros, "." as decimal point
// whatever the locale, a "0" before the point when |x| < 1, exponent form
// (1E-05, 1.5E+20) when the decimal exponent is below -4 or at least 15.
// Minus zero gives "0"; NaN gives "NaN", infinities "Infinity" / "-Infinity".
std::string FormatNumber(double x);

// The same text written at out, which has room for kNumberTextCapacity
// characters; returns the end of the text and touches nothing beyond it.
// Allocates nothing.
char* WriteNumber(char* out, double x);

}  // namespace selvaris
