#include "files/temporary_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>

namespace selvaris {

unsigned TemporaryFileMode(unsigned finalMode) { return finalMode & S_IRWXU; }

std::optional<TemporaryFile> CreateTemporaryFile(const std::string& folder, unsigned mode, std::error_code& error) {
    static unsigned counter = 0;
    const auto seed = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::string prefix = (folder.empty() ? std::string(".") : folder) + "/.selvaris-save-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        TemporaryFile file;
        file.path = prefix + std::to_string(seed + 7919ULL * ++counter) + ".tmp";
        file.descriptor = ::open(file.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
        if (file.descriptor >= 0) return file;
        error = std::error_code(errno, std::generic_category());
        if (error != std::errc::file_exists) return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace selvaris
