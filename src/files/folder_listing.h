#pragma once

#include <string>
#include <vector>

namespace selvaris {

// What the folder and file lists of the matrix-file windows show of one folder.
struct FolderContents {
    std::vector<std::string> folders;      // sub-folder names
    std::vector<std::string> matrixFiles;  // names of regular files ending in ".gyo"
};

struct FolderListing {
    bool ok = false;
    FolderContents contents;
    std::string failure;  // why the folder could not be listed, when !ok
};

// Lists a folder; both lists are sorted by byte value. Hidden names (see
// IsHiddenName) are left out, as in a shell listing. The ".gyo" ending matches
// in any case ("UPPER.GYO" from a stick formatted elsewhere).
FolderListing ListFolder(const std::string& folder);

// A name starting with "." (and the empty name): never listed.
bool IsHiddenName(const std::string& name);

// The process's current folder, or "/" when it cannot be found out.
std::string StartFolder();

// The folder above; "/" stays "/".
std::string ParentFolder(const std::string& folder);

// folder + "/" + name, without a doubled "/" after a folder that ends in one (the root).
std::string JoinPath(const std::string& folder, const std::string& name);

// The path a file name typed without its extension is saved under.
std::string MatrixFilePath(const std::string& folder, const std::string& stem);

// Where saving under stem writes: a file already in folder whose name is stem
// and the extension in another case ("UPPER.GYO") is written again under its
// own name, so every listed file is one that saving under its stem replaces;
// otherwise MatrixFilePath.
std::string MatrixFileSavePath(const std::string& folder, const std::string& stem);

// The user's home folder ($HOME, absolute and normalised), or "" when there is
// none other than the root.
std::string HomeFolder();

// A listed matrix file's name without its ".gyo".
std::string MatrixFileStem(const std::string& fileName);

bool IsMatrixFileName(const std::string& name);

}  // namespace selvaris
