#include "files/folder_listing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/file_messages.h"
#include "files/matrix_file_format.h"

namespace selvaris {

namespace fs = std::filesystem;

namespace {

const std::string kExtension = kMatrixFileExtension;

bool IsHidden(const std::string& name) { return name.empty() || name.front() == '.'; }

void AddEntry(const fs::directory_entry& entry, FolderContents& contents) {
    const std::string name = entry.path().filename().string();
    if (IsHidden(name)) return;
    std::error_code kindError;  // an entry that vanished meanwhile is simply left out
    if (entry.is_directory(kindError))
        contents.folders.push_back(name);
    else if (IsMatrixFileName(name) && entry.is_regular_file(kindError))
        contents.matrixFiles.push_back(name);
}

}  // namespace

bool IsMatrixFileName(const std::string& name) {
    return name.size() > kExtension.size() && name.compare(name.size() - kExtension.size(), kExtension.size(), kExtension) == 0;
}

std::string MatrixFileStem(const std::string& fileName) {
    return fileName.size() >= kExtension.size() ? fileName.substr(0, fileName.size() - kExtension.size()) : std::string();
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string MatrixFilePath(const std::string& folder, const std::string& stem) {
    return JoinPath(folder, stem + kExtension);
}

std::string ParentFolder(const std::string& folder) {
    std::string trimmed = folder;
    while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
    const auto slash = trimmed.find_last_of('/');
    if (slash == std::string::npos) return "/";
    if (slash == 0) return "/";
    return trimmed.substr(0, slash);
}

std::string StartFolder() {
    std::error_code error;
    fs::path current = fs::current_path(error);
    if (error || current.empty() || !current.is_absolute()) return "/";
    return current.lexically_normal().string();
}

FolderListing ListFolder(const std::string& folder) {
    FolderListing listing;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) {
        listing.failure = DescribeFileError(error);
        return listing;
    }
    const fs::directory_iterator end;
    while (it != end) {
        AddEntry(*it, listing.contents);
        it.increment(error);
        if (error) break;
    }
    if (error) {
        listing.failure = DescribeFileError(error);
        listing.contents = {};
        return listing;
    }
    std::sort(listing.contents.folders.begin(), listing.contents.folders.end());
    std::sort(listing.contents.matrixFiles.begin(), listing.contents.matrixFiles.end());
    listing.ok = true;
    return listing;
}

}  // namespace selvaris
