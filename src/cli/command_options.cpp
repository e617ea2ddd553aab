#include "cli/command_options.h"

#include <map>

#include "cli/escaped_name.h"

namespace selvaris {
namespace {

const struct {
    const char* option;
    ExportFormat format;
} kOutputOptions[] = {
    {"--json", ExportFormat::Json},   {"--qasm", ExportFormat::Qasm2}, {"--qasm3", ExportFormat::Qasm3},
    {"--latex", ExportFormat::Latex}, {"--svg", ExportFormat::Svg},    {"--png", ExportFormat::Png},
};

bool IsOutputOption(const std::string& arg) {
    for (const auto& output : kOutputOptions)
        if (arg == output.option) return true;
    return false;
}

bool TakesValue(const std::string& arg) {
    return arg == "--plan" || arg == "--final" || arg == "--batch" || arg == "--basis" || IsOutputOption(arg);
}

std::nullopt_t Refuse(std::ostream& err, const std::string& text) {
    err << "selvaris: " << text << '\n';
    return std::nullopt;
}

}  // namespace

std::optional<CommandOptions> ParseCommandOptions(const std::vector<std::string>& args, std::ostream& err) {
    CommandOptions options;
    std::map<std::string, std::string> values;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isOption = !optionsEnded && arg.size() > 1 && arg[0] == '-';
        if (!isOption) {
            files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h" || arg == "--version" || arg == "-V") {
            (arg == "--help" || arg == "-h" ? options.help : options.version) = true;
            return options;
        } else if (!TakesValue(arg)) {
            return Refuse(err, "unknown option " + EscapedName(arg) + " (see selvaris --help)");
        } else if (i + 1 >= args.size()) {
            return Refuse(err, arg + " needs a value");
        } else if (values.count(arg)) {
            return Refuse(err, arg + " is given twice");
        } else if (args[i + 1].empty()) {
            return Refuse(err, arg + " needs a value, not an empty one");
        } else {
            values[arg] = args[++i];
            if (IsOutputOption(arg)) options.outputs.push_back({arg, {}});
        }
    }
    if (files.size() > 1) return Refuse(err, "one FILE only, not " + EscapedName(files[1]) + " too");
    if (!files.empty() && files[0].empty()) return Refuse(err, "FILE is empty");
    if (!files.empty()) options.file = files[0];
    options.batchFolder = values["--batch"];
    options.finalFile = values["--final"];
    if (options.file.empty() == options.batchFolder.empty())
        return Refuse(err, options.file.empty() ? "decompose needs FILE or --batch DIR (see selvaris --help)"
                                                : "FILE and --batch DIR cannot both be given");
    if (!options.batchFolder.empty() && !options.outputs.empty())
        return Refuse(err, options.outputs[0].option + " cannot be given with --batch");

    CircuitBasis basis = CircuitBasis::TwoLevel;
    if (values.count("--basis")) {
        if (values["--basis"] != "two-level" && values["--basis"] != "cx")
            return Refuse(err, "--basis is two-level or cx, not " + EscapedName(values["--basis"]));
        if (values["--basis"] == "cx") basis = CircuitBasis::Cx;
    }
    for (OutputOption& output : options.outputs)
        for (const auto& known : kOutputOptions)
            if (output.option == known.option) output.request = {known.format, basis, values[output.option]};
    if (values.count("--plan")) {
        const std::optional<std::vector<PlanStep>> plan = ParsePlan(values["--plan"]);
        if (!plan)
            return Refuse(err, "--plan is a comma-separated list of at most " + std::to_string(kMaxPlanSteps) +
                                   " of la10, la20, la21, la30, la31, la32, each followed by L or R");
        options.plan = *plan;
    }
    return options;
}

}  // namespace selvaris
