#include "cli/command_line.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "cli/console_platform.h"
#include "cli/headless_decomposition.h"
#include "core/matrix_text.h"
#include "export/circuit.h"
#include "export/export_formats.h"
#include "export/reconstruction.h"
#include "files/file_messages.h"
#include "files/file_name_ending.h"
#include "files/matrix_file_io.h"
#include "files/safe_file_write.h"
#include "files/target_file.h"

namespace selvaris {
namespace {

const char* const kUsage =
    "usage: selvaris decompose FILE [--plan la30L,la20L,la10L,la21L,la31L,la32L] [--final FILE]\n"
    "                          [--basis two-level|cx] [--qasm OUT.qasm] [--qasm3 OUT.qasm] [--latex OUT.tex]\n"
    "                          [--svg OUT.svg] [--png OUT.png] [--json OUT.json]\n"
    "       selvaris decompose --batch DIR [--plan ...] [--final FILE]\n"
    "FILE is a .gyo matrix file, a NumPy .npy file holding a 4x4 array, or an OpenQASM 2.0 .qasm program.\n";

// The options that each name one output file.
const struct {
    const char* option;
    ExportFormat format;
} kOutputOptions[] = {
    {"--json", ExportFormat::Json},   {"--qasm", ExportFormat::Qasm2}, {"--qasm3", ExportFormat::Qasm3},
    {"--latex", ExportFormat::Latex}, {"--svg", ExportFormat::Svg},    {"--png", ExportFormat::Png},
};

struct Options {
    std::string file;
    std::string batchFolder;
    std::vector<PlanStep> plan = DefaultPlan();
    ComplexMatrix finalGate = ComplexMatrix::Identity();
    std::vector<ExportRequest> outputs;
};

bool TakesValue(const std::string& arg) {
    if (arg == "--plan" || arg == "--final" || arg == "--batch" || arg == "--basis") return true;
    for (const auto& output : kOutputOptions)
        if (arg == output.option) return true;
    return false;
}

// The options, or nothing after saying what is wrong.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::ostream& err) {
    Options options;
    std::map<std::string, std::string> values;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (TakesValue(arg)) {
            if (i + 1 >= args.size() || values.count(arg)) {
                err << "selvaris: " << arg << " needs one value\n" << kUsage;
                return std::nullopt;
            }
            values[arg] = args[++i];
        } else if (arg.rfind("--", 0) != 0 && options.file.empty()) {
            options.file = arg;
        } else {
            err << "selvaris: unexpected argument " << arg << "\n" << kUsage;
            return std::nullopt;
        }
    }
    options.batchFolder = values["--batch"];
    CircuitBasis basis = CircuitBasis::TwoLevel;
    if (values.count("--basis")) {
        if (values["--basis"] != "two-level" && values["--basis"] != "cx") {
            err << "selvaris: --basis is two-level or cx\n" << kUsage;
            return std::nullopt;
        }
        if (values["--basis"] == "cx") basis = CircuitBasis::Cx;
    }
    for (const auto& output : kOutputOptions)
        if (values.count(output.option)) options.outputs.push_back({output.format, basis, values[output.option]});
    if (options.file.empty() == options.batchFolder.empty() ||
        (!options.batchFolder.empty() && !options.outputs.empty())) {
        err << kUsage;
        return std::nullopt;
    }
    if (values.count("--plan")) {
        const std::optional<std::vector<PlanStep>> plan = ParsePlan(values["--plan"]);
        if (!plan) {
            err << "selvaris: a plan is a comma-separated list of la10, la20, la21, la30, la31, la32, each followed "
                   "by L or R\n";
            return std::nullopt;
        }
        options.plan = *plan;
    }
    if (values.count("--final")) {
        const MatrixFileRead final = ReadTargetFile(values["--final"]);
        if (!final.matrix) {
            err << kFileMessageTitle << ": " << OpenFailedMessage(values["--final"], final.failure) << '\n';
            return std::nullopt;
        }
        options.finalGate = *final.matrix;
    }
    return options;
}

std::string FactorText(const ComplexMatrix& factor) {
    SharedRegisters scratch;
    scratch.ShowMatrix = factor;
    RenderMatrixText(scratch);
    // The window's text, each line without the padding of its last cell.
    std::string text;
    for (char ch : scratch.MatrixText) {
        if (ch == '\r') continue;
        if (ch == '\n')
            while (!text.empty() && text.back() == ' ') text.pop_back();
        text += ch;
    }
    return text;
}

void PrintFactors(const Decomposition& d, std::ostream& out) {
    for (std::size_t k = 0; k < d.factors.size(); ++k) {
        out << "F" << k << " " << (k < d.stepNames.size() ? d.stepNames[k] : "(残り)") << '\n';
        out << FactorText(d.factors[k]);
    }
    out << ReconstructionErrorLine(ReconstructionError(d)) << '\n';
    const Circuit circuit = BuildCircuit(d);
    if (circuit.ok()) out << CircuitErrorLine(circuit.error) << '\n';
}

// Reads, decomposes and reports one file; the exit status for it.
int DecomposeFile(const std::string& path, const Options& options, HeadlessOutcome& outcome, std::ostream& err) {
    const MatrixFileRead read = ReadTargetFile(path);
    if (!read.matrix) {
        err << kFileMessageTitle << ": " << OpenFailedMessage(path, read.failure) << '\n';
        return kExitFailed;
    }
    ConsolePlatform platform(err);
    HeadlessWorkbench workbench(platform);
    outcome = workbench.Decompose(*read.matrix, options.plan, options.finalGate);
    return outcome.status == HeadlessOutcome::Status::Done ? kExitDone : kExitNotUnitary;
}

int DecomposeOne(const Options& options, std::ostream& out, std::ostream& err, const CircuitImageRenderer& render) {
    HeadlessOutcome outcome;
    const int status = DecomposeFile(options.file, options, outcome, err);
    if (status != kExitDone) return status;
    out << options.file << ": " << outcome.steps << " steps, " << outcome.decomposition.factors.size()
        << " factors\n";
    PrintFactors(outcome.decomposition, out);
    if (options.outputs.empty()) return kExitDone;
    const ExportOutcome written = ExportRequests(outcome.decomposition, options.outputs, ReplaceFileContents, render);
    for (const std::string& message : written.messages) err << kFileMessageTitle << ": " << message << '\n';
    return written.written.size() == options.outputs.size() ? kExitDone : kExitFailed;
}

bool IsMatrixFileName(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    return EndsWithIgnoringCase(name, ".gyo") || EndsWithIgnoringCase(name, ".npy") ||
           EndsWithIgnoringCase(name, ".qasm");
}

// One line per file: name, steps and reconstruction error, or what went wrong.
int DecomposeFolder(const Options& options, std::ostream& out, std::ostream& err) {
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (std::filesystem::directory_iterator it(options.batchFolder, error), end; !error && it != end;
         it.increment(error))
        if (IsMatrixFileName(it->path())) files.push_back(it->path());
    if (error) {
        err << kFileMessageTitle << ": " << OpenFailedMessage(options.batchFolder, DescribeFileError(error)) << '\n';
        return kExitFailed;
    }
    std::sort(files.begin(), files.end());
    int status = kExitDone;
    for (const std::filesystem::path& file : files) {
        HeadlessOutcome outcome;
        const int fileStatus = DecomposeFile(file.string(), options, outcome, err);
        out << file.filename().string() << '\t';
        if (fileStatus == kExitDone)
            out << outcome.steps << '\t' << ShortScientific(ReconstructionError(outcome.decomposition)) << '\n';
        else
            out << "-\t" << (fileStatus == kExitNotUnitary ? "not unitary" : "unreadable") << '\n';
        if (fileStatus != kExitDone) status = kExitFailed;
    }
    return status;
}

}  // namespace

bool IsCommandLine(const std::vector<std::string>& args) { return !args.empty() && args[0] == "decompose"; }

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const CircuitImageRenderer& render) {
    if (!IsCommandLine(args)) {
        err << kUsage;
        return kExitFailed;
    }
    const std::optional<Options> options = ParseOptions(args, err);
    if (!options) return kExitFailed;
    return options->batchFolder.empty() ? DecomposeOne(*options, out, err, render)
                                        : DecomposeFolder(*options, out, err);
}

}  // namespace selvaris
