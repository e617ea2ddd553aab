#include "files/folder_listing.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "files/file_messages.h"
#include "files/matrix_file_format.h"

namespace selvaris {

namespace fs = std::filesystem;

namespace {

const std::string kExtension = kMatrixFileExtension;

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

void AddEntry(const fs::directory_entry& entry, FolderContents& contents) {
    const std::string name = entry.path().filename().string();
    if (IsHiddenName(name)) return;
    std::error_code kindError;  // an entry that vanished meanwhile is simply left out
    if (entry.is_directory(kindError))
        contents.folders.push_back(name);
    else if (IsMatrixFileName(name) && entry.is_regular_file(kindError))
        contents.matrixFiles.push_back(name);
}

}  // namespace

bool IsHiddenName(const std::string& name) { return name.empty() || name.front() == '.'; }

bool IsMatrixFileName(const std::string& name) {
    if (name.size() <= kExtension.size()) return false;
    const std::size_t from = name.size() - kExtension.size();
    for (std::size_t k = 0; k < kExtension.size(); ++k)
        if (Lower(name[from + k]) != kExtension[k]) return false;
    return true;
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

std::string MatrixFileSavePath(const std::string& folder, const std::string& stem) {
    const std::string exact = MatrixFilePath(folder, stem);
    std::error_code error;
    if (fs::exists(fs::symlink_status(exact, error))) return exact;
    std::vector<std::string> variants;
    for (auto it = fs::directory_iterator(folder, error); !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() == stem.size() + kExtension.size() && name.compare(0, stem.size(), stem) == 0 &&
            IsMatrixFileName(name))
            variants.push_back(name);
    }
    if (variants.empty()) return exact;
    return JoinPath(folder, *std::min_element(variants.begin(), variants.end()));
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) return "";
    const fs::path path = fs::path(home).lexically_normal();
    std::error_code error;
    if (!path.is_absolute() || !fs::is_directory(path, error)) return "";
    std::string text = path.string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text == "/" ? "" : text;
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
