#pragma once

#include <string>

namespace selvaris {

// The shortest decimal text that reads back as exactly this double, whatever
// the process's locale (the Qt program switches to the user's, where the
// decimal point may be a comma). Non-finite values give "nan", "inf", "-inf".
std::string ExactNumber(double value);

// ExactNumber that every JSON reader reads as a floating-point number, since
// some read "2" and "-0" as integers and lose the sign of zero: a whole number
// gets ".0" ("2.0", "-0.0"); exponent forms ("1e+300") stay as they are.
std::string FloatNumber(double value);

// ExactNumber with a decimal point always before an exponent ("1.0e-05", not
// "1e-05"), as OpenQASM 2.0's real literals require.
std::string QasmReal(double value);

}  // namespace selvaris
