#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/decomposition_plan.h"
#include "export/export_formats.h"

namespace selvaris {

// One output option and the file it names ("-" for standard output).
struct OutputOption {
    std::string option;  // "--json"
    ExportRequest request;
};

// What selvaris decompose was asked to do.
struct CommandOptions {
    bool help = false;     // -h or --help: nothing else was looked at after it
    bool version = false;  // -V or --version: likewise
    std::string file;
    std::string batchFolder;
    std::string finalFile;  // empty: the identity
    std::vector<PlanStep> plan = DefaultPlan();
    std::vector<OutputOption> outputs;  // in the order given
};

// The options of selvaris decompose (args without the program's name, "decompose"
// first), or nothing after one "selvaris: ..." line on err. "--" ends the options.
std::optional<CommandOptions> ParseCommandOptions(const std::vector<std::string>& args, std::ostream& err);

// The first output that would lose something: one that is FILE, the --final
// FILE, another output or where standard output or error go (a shell
// redirection the replaced file would cut off), a path under /proc or /dev/fd,
// or a second "-". Its "selvaris: output ..." line, or nothing.
std::optional<std::string> RefusedOutput(const CommandOptions& options);

}  // namespace selvaris
