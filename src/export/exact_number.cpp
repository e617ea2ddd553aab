#include "export/exact_number.h"

#include <charconv>

namespace selvaris {

std::string ExactNumber(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string FloatNumber(double value) {
    std::string text = ExactNumber(value);
    if (text.find_first_of(".eEni") == std::string::npos) text += ".0";  // not nan, inf
    return text;
}

std::string QasmReal(double value) {
    std::string text = ExactNumber(value);
    const auto exponent = text.find('e');
    if (exponent != std::string::npos && text.find('.') == std::string::npos) text.insert(exponent, ".0");
    return text;
}

}  // namespace selvaris
