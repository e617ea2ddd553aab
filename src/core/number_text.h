#pragma once

#include <string>

namespace selvaris {

// N(x): at most 15 significant digits, no trailing zeros, "." as decimal point
// whatever the locale, a "0" before the point when |x| < 1, exponent form
// (1E-05, 1.5E+20) when the decimal exponent is below -4 or at least 15.
// Minus zero gives "0"; NaN gives "NaN", infinities "Infinity" / "-Infinity".
std::string FormatNumber(double x);

}  // namespace selvaris
