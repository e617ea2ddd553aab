#pragma once

#include <string>
#include <string_view>

namespace selvaris {

// The UTF-16 code units of a UTF-8 text, as a text box would hold them: a
// character outside the basic plane takes two units. Each byte that is not part
// of a well-formed UTF-8 sequence becomes one U+FFFD unit, so malformed input is
// still counted and never skipped.
std::u16string Utf16Units(std::string_view utf8);

}  // namespace selvaris
