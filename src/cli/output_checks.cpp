#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "cli/command_options.h"
#include "cli/escaped_name.h"

namespace selvaris {
namespace {

namespace fs = std::filesystem;

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (fs::equivalent(a, b, error)) return true;
    // Files not there yet: the same name once what exists of it is resolved.
    std::error_code errorA, errorB;
    const fs::path resolvedA = fs::weakly_canonical(fs::absolute(a, errorA), errorA);
    const fs::path resolvedB = fs::weakly_canonical(fs::absolute(b, errorB), errorB);
    return !errorA && !errorB && resolvedA == resolvedB;
}

// The file a descriptor writes to: replacing it would cut off what goes there.
bool IsWhereDescriptorWrites(const std::string& path, int descriptor) {
    struct stat named {}, open {};
    return ::stat(path.c_str(), &named) == 0 && ::fstat(descriptor, &open) == 0 && named.st_dev == open.st_dev &&
           named.st_ino == open.st_ino;
}

bool IsWithin(const fs::path& path, const fs::path& folder) {
    auto p = path.begin();
    for (auto f = folder.begin(); f != folder.end(); ++f, ++p)
        if (p == path.end() || *p != *f) return false;
    return true;
}

// Names of descriptors: a file put there would replace whatever the descriptor
// points to (a shell's redirection) instead of writing into it.
bool IsDescriptorPath(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error).lexically_normal();
    const fs::path resolved = fs::weakly_canonical(path, error);
    for (const fs::path& candidate : {absolute, resolved}) {
        if (candidate.empty()) continue;
        for (const char* folder : {"/proc", "/dev/fd"})
            if (IsWithin(candidate, folder)) return true;
        for (const char* name : {"/dev/stdin", "/dev/stdout", "/dev/stderr"})
            if (candidate == name) return true;
    }
    return false;
}

}  // namespace

std::optional<std::string> RefusedOutput(const CommandOptions& options) {
    bool standardOutputTaken = false;
    for (std::size_t k = 0; k < options.outputs.size(); ++k) {
        const std::string& path = options.outputs[k].request.path;
        const std::string line = "selvaris: output " + EscapedName(path) + ": ";
        if (path == "-") {
            if (standardOutputTaken) return line + "only one output can go to standard output";
            standardOutputTaken = true;
            continue;
        }
        if (IsDescriptorPath(path))
            return line + "a name under /proc or /dev/fd is refused; write - for standard output";
        if (SameFile(path, options.file)) return line + "the same file as the target";
        if (!options.finalFile.empty() && SameFile(path, options.finalFile))
            return line + "the same file as the --final gate";
        for (std::size_t j = 0; j < k; ++j)
            if (options.outputs[j].request.path != "-" && SameFile(path, options.outputs[j].request.path))
                return line + "the same file as the " + options.outputs[j].option + " output";
        if (IsWhereDescriptorWrites(path, STDOUT_FILENO)) return line + "the file standard output goes to";
        if (IsWhereDescriptorWrites(path, STDERR_FILENO)) return line + "the file standard error goes to";
    }
    return std::nullopt;
}

}  // namespace selvaris
