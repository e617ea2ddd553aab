#pragma once

#include <algorithm>
#include <cctype>
#include <string>

namespace selvaris {

// True when text ends with ending, letters compared without case (".GYO", ".Qasm").
inline bool EndsWithIgnoringCase(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                      });
}

}  // namespace selvaris
