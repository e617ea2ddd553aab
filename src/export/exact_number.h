#pragma once

#include <string>

namespace selvaris {

// The shortest decimal text that reads back as exactly this double, whatever
// the process's locale (the Qt program switches to the user's, where the
// decimal point may be a comma). Non-finite values give "nan", "inf", "-inf".
std::string ExactNumber(double value);

// ExactNumber with a decimal point always before an exponent ("1.0e-05", not
// "1e-05"), as OpenQASM 2.0's real literals require.
std::string QasmReal(double value);

}  // namespace selvaris
