// The selvaris command. The command line, --help and --version run here
// without the toolkit; the window and the command line's pictures live in a
// module that is loaded only when they are wanted, so a decomposition from
// the command line starts as fast as a plain program.
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "cli/command_line.h"
#include "cli/console_language.h"

namespace {

using WindowMain = int (*)(int, char**);
using CircuitImage = bool (*)(const selvaris::Circuit*, int, int, std::string*);

// Beside the program in a build folder; under lib/selvaris once installed.
std::vector<std::filesystem::path> ModuleCandidates() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {SELVARIS_WINDOW_MODULE_NAME};
    const std::filesystem::path folder = self.parent_path();
    return {folder / SELVARIS_WINDOW_MODULE_NAME, folder / SELVARIS_WINDOW_MODULE_FROM_BIN};
}

void* WindowModule() {
    static void* module = [] () -> void* {
        std::string reasons;
        for (const std::filesystem::path& candidate : ModuleCandidates()) {
            if (!std::filesystem::exists(candidate)) continue;
            // Bound lazily, as the linker binds an ordinary program's calls: the
            // module ships with this program, so nothing it calls can be missing.
            if (void* handle = ::dlopen(candidate.c_str(), RTLD_LAZY | RTLD_LOCAL)) return handle;
            if (const char* reason = ::dlerror()) reasons = reason;
        }
        std::fprintf(stderr, "selvaris: the window module cannot be loaded%s%s\n", reasons.empty() ? "" : ": ",
                     reasons.c_str());
        return nullptr;
    }();
    return module;
}

template <typename Function>
Function Symbol(const char* name) {
    void* module = WindowModule();
    return module ? reinterpret_cast<Function>(::dlsym(module, name)) : nullptr;
}

std::optional<std::string> DrawCircuit(const selvaris::Circuit& circuit, selvaris::CircuitBasis basis,
                                       selvaris::ExportFormat format) {
    const auto draw = Symbol<CircuitImage>("SelvarisCircuitImage");
    std::string bytes;
    if (!draw || !draw(&circuit, static_cast<int>(basis), static_cast<int>(format), &bytes)) return std::nullopt;
    return bytes;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (selvaris::IsCommandLine(args)) {
        // Lines for a reader follow the user's language; standard output only
        // while it carries the report, never a file's bytes ("-" as an output).
        std::optional<selvaris::EnglishLines> englishErrors, englishReport;
        if (selvaris::CommandLineWantsEnglish()) {
            englishErrors.emplace(std::cerr);
            if (std::find(args.begin(), args.end(), "-") == args.end()) englishReport.emplace(std::cout);
        }
        return selvaris::RunCommandLineProcess(args, DrawCircuit);
    }
    const auto window = Symbol<WindowMain>("SelvarisWindowMain");
    return window ? window(argc, argv) : 1;
}
