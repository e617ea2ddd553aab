#pragma once

#include <optional>
#include <string>
#include <system_error>

namespace selvaris {

// A new file open for writing; the caller closes it and names it with
// NameTemporaryFile (or renames or removes a named one).
struct TemporaryFile {
    int descriptor = -1;
    std::string path;  // empty while the file has no name
};

// The permission bits to create the temporary file with, for a file that will
// end up with finalMode: the owner's bits only, so that between its creation and
// the final chmod it is never readable by anyone the finished file would not
// let in (the process's umask can only narrow them further).
unsigned TemporaryFileMode(unsigned finalMode);

// Creates the file in folder with mode. Where the file system allows it the
// file has no name until NameTemporaryFile gives it one, so a process killed
// while writing leaves nothing behind; elsewhere, and when unnamed is false,
// it is ".selvaris-save-<pid>-<n>.tmp". Never opens a file that already exists.
std::optional<TemporaryFile> CreateTemporaryFile(const std::string& folder, unsigned mode, std::error_code& error,
                                                 bool unnamed = true);

// Gives an unnamed file the name path, which must not exist yet; the error of
// the link otherwise (EEXIST when path exists).
std::optional<std::error_code> NameTemporaryFile(const TemporaryFile& file, const std::string& path);

// Links an unnamed file into folder as ".selvaris-save-<pid>-<n>.tmp" and
// records that path in file; false with error when it cannot.
bool GiveTemporaryName(TemporaryFile& file, const std::string& folder, std::error_code& error);

// Removes the named temporary files in folder that a save killed halfway left
// behind: ours (same owner), a minute old or older, of a process that no longer
// exists. A folder that cannot be listed is left alone.
void RemoveStaleTemporaryFiles(const std::string& folder);

}  // namespace selvaris
