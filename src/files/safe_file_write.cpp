#include "files/safe_file_write.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define SELVARIS_HAS_FSYNC 1
#endif

#include "files/file_messages.h"

namespace selvaris {

namespace fs = std::filesystem;

namespace {

// The error a failed C library call left in errno, never "success".
std::error_code LastError() {
    const int code = errno;
    return code != 0 ? std::error_code(code, std::generic_category()) : std::make_error_code(std::errc::io_error);
}

struct FileCloser {
    void operator()(std::FILE* file) const {
        if (file) std::fclose(file);
    }
};

// Pushes the written bytes to the disk, so the replacing rename never exposes
// a file whose contents are still only in memory.
bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) return false;
#ifdef SELVARIS_HAS_FSYNC
    if (::fsync(::fileno(file)) != 0) return false;
#endif
    return true;
}

// Creates a new, uniquely named file in folder; never opens an existing one.
std::FILE* CreateTemporaryFile(const fs::path& folder, fs::path& created, std::error_code& error) {
    static unsigned counter = 0;
    const auto seed = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const unsigned long long tag = seed + 7919ULL * ++counter;
        created = folder / (".selvaris-save-" + std::to_string(tag) + ".tmp");
        errno = 0;
        if (std::FILE* file = std::fopen(created.c_str(), "wbx")) return file;
        error = LastError();
        if (error != std::errc::file_exists) return nullptr;
    }
    return nullptr;
}

// Where the bytes really go: the file a symbolic link points to, else the path itself.
std::optional<fs::path> ResolveTarget(const fs::path& path, std::string& failure) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
    fs::path real = fs::canonical(path, error);
    if (error) {
        failure = DescribeFileError(error);
        return std::nullopt;
    }
    return real;
}

// An existing file must accept writing, as it would if it were opened in place.
std::optional<std::string> CheckWritable(const fs::path& target) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(target.c_str(), "r+b"));
    if (!file) return DescribeFileError(LastError());
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ReplaceFileContents(const std::string& path, const std::string& bytes) {
    if (ContainsNulByte(path)) return kNulInNameReason;
    std::string failure;
    const std::optional<fs::path> resolved = ResolveTarget(path, failure);
    if (!resolved) return failure;
    const fs::path& target = *resolved;

    std::error_code error;
    const fs::file_status existing = fs::status(target, error);
    const bool replacing = existing.type() != fs::file_type::not_found;
    if (error && replacing) return DescribeFileError(error);
    if (replacing) {
        if (existing.type() != fs::file_type::regular) return NotARegularFileReason(existing.type());
        if (auto refused = CheckWritable(target)) return refused;
    }

    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    fs::path temporary;
    std::unique_ptr<std::FILE, FileCloser> file(CreateTemporaryFile(folder, temporary, error));
    if (!file) return DescribeFileError(error);

    errno = 0;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() && FlushToDisk(file.get());
    if (written) {
        errno = 0;
        written = std::fclose(file.release()) == 0;
    }
    if (!written) {
        const std::error_code writeError = LastError();
        file.reset();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return DescribeFileError(writeError);
    }

    if (replacing) {
        std::error_code ignored;  // default permissions are an acceptable fallback
        fs::permissions(temporary, existing.permissions(), fs::perm_options::replace, ignored);
    }
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return DescribeFileError(error);
    }
    return std::nullopt;
}

}  // namespace selvaris
