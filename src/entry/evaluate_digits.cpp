#include "entry/evaluate_digits.h"

namespace selvaris {
namespace {

constexpr int kMaxDigits = 5;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

DigitSlots MakeDigitSlots(std::u16string_view characters) {
    DigitSlots t{};
    for (std::size_t k = 0; k < characters.size() && k < t.size(); ++k) t[k] = characters[k];
    return t;
}

bool EvaluateDigits(int count, int sign, const DigitSlots& t, double& digitResult) {
    if (count < 1 || count > kMaxDigits + 1 || (sign != 1 && sign != -1)) return false;

    int point = -1;
    for (int k = 0; k < count; ++k) {
        if (t[static_cast<std::size_t>(k)] == u'.') {
            if (point >= 0) return false;
            point = k;
        } else if (!IsDigit(t[static_cast<std::size_t>(k)])) {
            return false;
        }
    }
    // Without a point: 1..5 digits. With one: a digit on each side, 2..5 digits.
    if (point < 0 && count > kMaxDigits) return false;
    if (point >= 0 && (point == 0 || point == count - 1)) return false;

    const int integerEnd = point < 0 ? count : point;
    int integerPart = 0;
    for (int k = 0; k < integerEnd; ++k) integerPart = integerPart * 10 + (t[static_cast<std::size_t>(k)] - u'0');

    double sum = integerPart;
    double scale = 1.0;
    for (int k = integerEnd + 1; k < count; ++k) {
        scale *= 10.0;
        sum += (t[static_cast<std::size_t>(k)] - u'0') / scale;
    }
    digitResult = sum * sign;
    return true;
}

}  // namespace selvaris
