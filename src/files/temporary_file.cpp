#include "files/temporary_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>

namespace selvaris {
namespace {

constexpr const char* kPrefix = ".selvaris-save-";
constexpr const char* kEnding = ".tmp";
constexpr std::time_t kStaleSeconds = 60;

std::string Folder(const std::string& folder) { return folder.empty() ? std::string(".") : folder; }

// The pid's name carries tells a leftover of a dead process from a save in progress.
std::string NextName(const std::string& folder) {
    static unsigned counter = 0;
    static const auto seed =
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count() % 1000000007);
    return Folder(folder) + "/" + kPrefix + std::to_string(::getpid()) + "-" +
           std::to_string(seed + 7919ULL * ++counter) + kEnding;
}

std::error_code Errno() { return std::error_code(errno, std::generic_category()); }

// The pid in ".selvaris-save-<pid>-<n>.tmp", or 0 for any other name.
pid_t PidInName(const std::string& name) {
    const std::string prefix = kPrefix, ending = kEnding;
    if (name.size() <= prefix.size() + ending.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - ending.size(), ending.size(), ending) != 0)
        return 0;
    const std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - ending.size());
    const std::size_t dash = middle.find('-');
    if (dash == 0 || dash == std::string::npos || dash > 9 || dash + 1 == middle.size()) return 0;
    pid_t pid = 0;
    for (std::size_t k = 0; k < middle.size(); ++k) {
        if (k == dash) continue;
        if (middle[k] < '0' || middle[k] > '9') return 0;
        if (k < dash) pid = pid * 10 + (middle[k] - '0');
    }
    return pid;
}

}  // namespace

unsigned TemporaryFileMode(unsigned finalMode) { return finalMode & S_IRWXU; }

std::optional<TemporaryFile> CreateTemporaryFile(const std::string& folder, unsigned mode, std::error_code& error,
                                                 bool unnamed) {
#ifdef O_TMPFILE
    if (unnamed) {
        TemporaryFile file;
        file.descriptor = ::open(Folder(folder).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, static_cast<mode_t>(mode));
        if (file.descriptor >= 0) return file;
        // Only a file system without unnamed files falls back to a name.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            error = Errno();
            return std::nullopt;
        }
    }
#else
    (void)unnamed;
#endif
    for (int attempt = 0; attempt < 100; ++attempt) {
        TemporaryFile file;
        file.path = NextName(folder);
        file.descriptor = ::open(file.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
        if (file.descriptor >= 0) return file;
        error = Errno();
        if (error != std::errc::file_exists) return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::error_code> NameTemporaryFile(const TemporaryFile& file, const std::string& path) {
    const std::string self = "/proc/self/fd/" + std::to_string(file.descriptor);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return std::nullopt;
    return Errno();
}

bool GiveTemporaryName(TemporaryFile& file, const std::string& folder, std::error_code& error) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = NextName(folder);
        const std::optional<std::error_code> failure = NameTemporaryFile(file, path);
        if (!failure) {
            file.path = path;
            return true;
        }
        error = *failure;
        if (error != std::errc::file_exists) return false;
    }
    return false;
}

void RemoveStaleTemporaryFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    const std::time_t now = std::time(nullptr);
    for (fs::directory_iterator it(Folder(folder), error), end; !error && it != end; it.increment(error)) {
        const pid_t pid = PidInName(it->path().filename().string());
        if (pid <= 0) continue;
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid() ||
            now - info.st_mtime < kStaleSeconds)
            continue;
        if (::kill(pid, 0) != 0 && errno == ESRCH) ::unlink(it->path().c_str());
    }
}

}  // namespace selvaris
