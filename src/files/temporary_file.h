#pragma once

#include <optional>
#include <string>
#include <system_error>

namespace selvaris {

// A new, uniquely named file open for writing; the caller closes it and
// renames or removes it.
struct TemporaryFile {
    int descriptor = -1;
    std::string path;
};

// The permission bits to create the temporary file with, for a file that will
// end up with finalMode: the owner's bits only, so that between its creation and
// the final chmod it is never readable by anyone the finished file would not
// let in (the process's umask can only narrow them further).
unsigned TemporaryFileMode(unsigned finalMode);

// Creates the file in folder with mode; never opens a file that already exists.
std::optional<TemporaryFile> CreateTemporaryFile(const std::string& folder, unsigned mode, std::error_code& error);

}  // namespace selvaris
