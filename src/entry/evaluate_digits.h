#pragma once

#include <array>
#include <string_view>

namespace selvaris {

// The characters of one number handed to EvaluateDigits: digits and at most one
// ".", unused slots hold 0.
using DigitSlots = std::array<char16_t, 8>;

// Copies up to eight characters into fresh slots.
DigitSlots MakeDigitSlots(std::u16string_view characters);

// The decimal value of t[0 .. count-1] times sign (+1 or -1): the integer part
// in integer arithmetic, then each fraction digit divided by its power of ten
// and added left to right in double precision. Only the shapes 1 to 5 digits,
// and d.d up to 5 digits with one inner point (d.dddd .. dddd.d), have a value;
// for any other count or shape digitResult is left as it was and the result is
// false.
bool EvaluateDigits(int count, int sign, const DigitSlots& t, double& digitResult);

}  // namespace selvaris
