#include "files/bounded_file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "files/file_messages.h"

namespace selvaris {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

FileBytes Failed(std::string reason) {
    FileBytes result;
    result.failure = std::move(reason);
    return result;
}

// Reads up to limit bytes; a longer file is refused unless onlyStart.
FileBytes ReadFile(const std::string& path, std::size_t limit, bool onlyStart) {
    if (ContainsNulByte(path)) return Failed(kNulInNameReason);
    errno = 0;
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) return Failed(DescribeFileError(LastError()));
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return Failed(DescribeFileError(LastError()));
    if (S_ISDIR(info.st_mode)) return Failed("フォルダです");
    if (!S_ISREG(info.st_mode)) return Failed("通常のファイルではありません");

    std::string bytes;
    char buffer[4096];
    for (;;) {
        const std::size_t wanted = onlyStart ? std::min(sizeof buffer, limit - bytes.size()) : sizeof buffer;
        if (wanted == 0) break;
        const ssize_t got = ::read(file.get(), buffer, wanted);
        if (got < 0) {
            if (errno == EINTR) continue;
            return Failed(DescribeFileError(LastError()));
        }
        if (got == 0) break;
        if (bytes.size() + static_cast<std::size_t>(got) > limit)
            return Failed("大きすぎます（" + std::to_string(limit) + " バイトまで）");
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    FileBytes result;
    result.bytes = std::move(bytes);
    return result;
}

}  // namespace

FileBytes ReadRegularFile(const std::string& path, std::size_t maxBytes) { return ReadFile(path, maxBytes, false); }

FileBytes ReadRegularFileStart(const std::string& path, std::size_t count) { return ReadFile(path, count, true); }

}  // namespace selvaris
