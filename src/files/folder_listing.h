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

// Lists a folder; both lists are sorted by byte value. Names starting with "."
// are hidden, as in a shell listing. The ".gyo" ending is case-sensitive, so
// every listed file is one that saving under its stem would write again.
FolderListing ListFolder(const std::string& folder);

// The process's current folder, or "/" when it cannot be found out.
std::string StartFolder();

// The folder above; "/" stays "/".
std::string ParentFolder(const std::string& folder);

// folder + "/" + name, without a doubled "/" after a folder that ends in one (the root).
std::string JoinPath(const std::string& folder, const std::string& name);

// The path a file name typed without its extension is saved under.
std::string MatrixFilePath(const std::string& folder, const std::string& stem);

// A listed matrix file's name without its ".gyo".
std::string MatrixFileStem(const std::string& fileName);

bool IsMatrixFileName(const std::string& name);

}  // namespace selvaris
