#pragma once

#include <optional>
#include <string>

namespace selvaris {

// Replaces the whole contents of the file at path with bytes. The bytes go to
// a temporary file in the same folder (unnamed where the file system allows
// it) that then replaces the target in one step, so a failure at any point
// leaves the old file as it was, and a killed save leaves no file behind for
// long: leftovers of dead processes go at the next save into the folder. A
// file that may not be written to stays untouched, a FIFO, device or folder in
// its place is refused without waiting, and a replaced file keeps its
// permission bits; a symbolic link is followed rather than replaced.
// Returns the reason of a failure (a short Japanese text), or nothing on success.
std::optional<std::string> ReplaceFileContents(const std::string& path, const std::string& bytes);

}  // namespace selvaris
