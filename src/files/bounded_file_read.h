#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace selvaris {

// The whole contents of a regular file no longer than maxBytes, or why there
// are none (a short Japanese reason). The file is opened without waiting and
// checked after opening, so a name swapped for a FIFO or a device between a
// listing and the read is refused instead of blocking the program.
struct FileBytes {
    std::optional<std::string> bytes;
    std::string failure;
};

FileBytes ReadRegularFile(const std::string& path, std::size_t maxBytes);

// The first count bytes of a regular file (fewer when it is shorter), opened
// and checked the same way; the rest of the file is never read.
FileBytes ReadRegularFileStart(const std::string& path, std::size_t count);

}  // namespace selvaris
