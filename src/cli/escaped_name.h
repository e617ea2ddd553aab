#pragma once

#include <string>

namespace selvaris {

// A file name as the command line prints it: tab, newline and backslash as
// \t, \n and \\, and every other control byte (C0, DEL, C1), ESC included, and
// every byte that is not part of valid UTF-8 as \xHH. The result holds no tab,
// newline or terminal control, so a --batch row keeps its three fields and a
// name cannot forge rows or messages; printable UTF-8 (Japanese names) stays.
std::string EscapedName(const std::string& name);

}  // namespace selvaris
