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

// What is at target: nothing (replacing false) or a regular file that accepts
// writing (replacing true, its metadata in existing); else why it may not be
// replaced. The name is looked at without following it and opened without
// waiting, so a FIFO or a device there is refused instead of blocking.
std::optional<std::string> InspectDestination(const fs::path& target, bool& replacing, struct stat& existing) {
    errno = 0;
    replacing = ::lstat(target.c_str(), &existing) == 0;
    if (!replacing) return errno == ENOENT ? std::nullopt : std::optional(DescribeFileError(LastError()));
    if (!S_ISREG(existing.st_mode))
        return NotARegularFileReason(S_ISDIR(existing.st_mode) ? fs::file_type::directory : fs::file_type::unknown);
    errno = 0;
    const int descriptor = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        if (errno == ENXIO || errno == ELOOP) return NotARegularFileReason(fs::file_type::unknown);
        return DescribeFileError(LastError());
    }
    std::optional<std::string> refused;
    errno = 0;
    if (::fstat(descriptor, &existing) != 0)
        refused = DescribeFileError(LastError());
    else if (!S_ISREG(existing.st_mode))
        refused = NotARegularFileReason(fs::file_type::unknown);
    ::close(descriptor);
    return refused;
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

// Writes bytes and the replaced file's metadata into the temporary file and
// syncs it; the descriptor stays open.
std::optional<std::error_code> FillTemporary(const TemporaryFile& temporary, const std::string& bytes, bool replacing,
                                             const struct stat& existing) {
    {
        const FileSizeSignalIgnored sizeLimitIsAnError;
        if (!WriteAll(temporary.descriptor, bytes)) return LastError();
    }
    if (replacing)
        if (auto failure = TakeOverMetadata(temporary.descriptor, existing)) return failure;
    // The bytes reach the disk before a name can expose them.
    errno = 0;
    if (::fsync(temporary.descriptor) != 0) return LastError();
    return std::nullopt;
}

// An unnamed temporary gets its name: the target itself when that is new, so
// no other name ever shows, else a temporary name to rename. ENOENT means
// there is no /proc to link through.
std::optional<std::error_code> NameUnnamed(TemporaryFile& temporary, const fs::path& target, const fs::path& folder,
                                           bool replacing, bool& done) {
    if (!replacing) {
        const std::optional<std::error_code> linked = NameTemporaryFile(temporary, target.string());
        done = !linked;
        if (!linked || *linked != std::errc::file_exists) return linked;
    }
    std::error_code error;
    if (!GiveTemporaryName(temporary, folder.string(), error)) return error;
    return std::nullopt;
}

// One attempt with an unnamed or a named temporary; false when an unnamed
// file cannot be linked here and the save is to be tried with a name.
bool TrySave(bool unnamed, const fs::path& target, const fs::path& folder, const std::string& bytes, bool replacing,
             const struct stat& existing, std::optional<std::string>& result) {
    // A new file gets the usual 0666 narrowed by the umask, which is also what it keeps.
    const unsigned mode = replacing ? TemporaryFileMode(existing.st_mode) : 0666;
    std::error_code error;
    std::optional<TemporaryFile> temporary = CreateTemporaryFile(folder.string(), mode, error, unnamed);
    if (!temporary) {
        result = DescribeFileError(error);
        return true;
    }
    std::optional<std::error_code> failure = FillTemporary(*temporary, bytes, replacing, existing);
    bool done = false;
    if (!failure && temporary->path.empty()) {
        failure = NameUnnamed(*temporary, target, folder, replacing, done);
        if (failure && *failure == std::errc::no_such_file_or_directory) {
            ::close(temporary->descriptor);
            return false;
        }
    }
    errno = 0;
    if (::close(temporary->descriptor) != 0 && !failure) failure = LastError();
    if (!failure && !done) {
        errno = 0;
        if (::rename(temporary->path.c_str(), target.c_str()) != 0) failure = LastError();
    }
    if (failure) {
        if (!temporary->path.empty()) ::unlink(temporary->path.c_str());
        if (done) ::unlink(target.c_str());  // linked as the new file, then failed to close
        result = DescribeFileError(*failure);
        return true;
    }
    if (const auto syncError = SyncFolder(folder)) result = DescribeFileError(*syncError);
    return true;
}

}  // namespace

std::optional<std::string> ReplaceFileContents(const std::string& path, const std::string& bytes) {
    if (ContainsNulByte(path)) return kNulInNameReason;
    std::string failure;
    const std::optional<fs::path> resolved = ResolveTarget(path, failure);
    if (!resolved) return failure;
    const fs::path& target = *resolved;

    struct stat existing {};
    bool replacing = false;
    if (auto refused = InspectDestination(target, replacing, existing)) return refused;

    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    RemoveStaleTemporaryFiles(folder.string());
    std::optional<std::string> result;
    if (!TrySave(true, target, folder, bytes, replacing, existing, result))
        TrySave(false, target, folder, bytes, replacing, existing, result);
    return result;
}

}  // namespace selvaris
