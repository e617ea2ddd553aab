#include "files/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <system_error>

#include "files/file_messages.h"
#include "files/temporary_file.h"

namespace selvaris {

namespace fs = std::filesystem;

namespace {

// A write past the file-size limit (ulimit -f) would kill the whole program with
// SIGXFSZ and lose the user's work; while it is ignored, the write fails with
// EFBIG instead and is reported like any other failed save.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        restore_ = ::sigaction(SIGXFSZ, &ignore, &previous_) == 0;
    }
    ~FileSizeSignalIgnored() {
        if (restore_) ::sigaction(SIGXFSZ, &previous_, nullptr);
    }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

private:
    struct sigaction previous_ {};
    bool restore_ = false;
};

bool WriteAll(int descriptor, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const ssize_t n = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
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
    const int descriptor = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) return DescribeFileError(LastError());
    ::close(descriptor);
    return std::nullopt;
}

// Gives the finished temporary file the owner and permission bits of the file it
// replaces. The owner goes first, since changing it may clear set-id bits; a
// failure to change it (not permitted for an ordinary user) leaves it ours.
std::optional<std::error_code> TakeOverMetadata(int descriptor, const struct stat& existing) {
    [[maybe_unused]] const int ownerKept = ::fchown(descriptor, existing.st_uid, existing.st_gid);
    errno = 0;
    if (::fchmod(descriptor, existing.st_mode & 07777) != 0) return LastError();
    return std::nullopt;
}

// Makes the rename itself durable. A folder that cannot be opened for reading
// (write and search permission only) or a file system that cannot sync folders
// leaves the file saved but the rename unsynced; only a real write error counts.
std::optional<std::error_code> SyncFolder(const fs::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return std::nullopt;
    errno = 0;
    std::optional<std::error_code> failure;
    if (::fsync(descriptor) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP) failure = LastError();
    ::close(descriptor);
    return failure;
}

}  // namespace

std::optional<std::string> ReplaceFileContents(const std::string& path, const std::string& bytes) {
    if (ContainsNulByte(path)) return kNulInNameReason;
    std::string failure;
    const std::optional<fs::path> resolved = ResolveTarget(path, failure);
    if (!resolved) return failure;
    const fs::path& target = *resolved;

    struct stat existing {};
    errno = 0;
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (!replacing && errno != ENOENT) return DescribeFileError(LastError());
    if (replacing) {
        if (!S_ISREG(existing.st_mode))
            return NotARegularFileReason(S_ISDIR(existing.st_mode) ? fs::file_type::directory : fs::file_type::unknown);
        if (auto refused = CheckWritable(target)) return refused;
    }

    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    // A new file gets the usual 0666 narrowed by the umask, which is also what it keeps.
    const unsigned mode = replacing ? TemporaryFileMode(existing.st_mode) : 0666;
    const std::optional<TemporaryFile> temporary = CreateTemporaryFile(folder.string(), mode, error);
    if (!temporary) return DescribeFileError(error);

    std::optional<std::error_code> writeError;
    {
        const FileSizeSignalIgnored sizeLimitIsAnError;
        if (!WriteAll(temporary->descriptor, bytes)) writeError = LastError();
    }
    if (!writeError && replacing) writeError = TakeOverMetadata(temporary->descriptor, existing);
    // The bytes reach the disk before the rename can expose them.
    errno = 0;
    if (!writeError && ::fsync(temporary->descriptor) != 0) writeError = LastError();
    errno = 0;
    if (::close(temporary->descriptor) != 0 && !writeError) writeError = LastError();
    if (writeError) {
        ::unlink(temporary->path.c_str());
        return DescribeFileError(*writeError);
    }

    errno = 0;
    if (::rename(temporary->path.c_str(), target.c_str()) != 0) {
        const std::error_code renameError = LastError();
        ::unlink(temporary->path.c_str());
        return DescribeFileError(renameError);
    }
    if (const auto syncError = SyncFolder(folder)) return DescribeFileError(*syncError);
    return std::nullopt;
}

}  // namespace selvaris
