#include "cli/command_line.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <iostream>

#include "cli/command_options.h"
#include "cli/console_platform.h"
#include "cli/escaped_name.h"
#include "cli/headless_decomposition.h"
#include "cli/help_text.h"
#include "core/matrix_text.h"
#include "export/circuit.h"
#include "export/reconstruction.h"
#include "files/file_messages.h"
#include "files/file_name_ending.h"
#include "files/safe_file_write.h"
#include "files/target_file.h"

namespace selvaris {
namespace {

// "selvaris: target qft.gyo: ", the start of every line about that file.
std::string Prefix(const std::string& role, const std::string& path) {
    return "selvaris: " + role + " " + EscapedName(path) + ": ";
}

// Standard output, whose first failed write is reported once on err.
class StandardOutput {
public:
    StandardOutput(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    std::ostream& stream() { return out_; }

    // Everything written so far has arrived; says so on err (once) when not.
    bool Flushed() {
        errno = 0;
        out_.flush();
        if (out_) return true;
        if (!reported_) {
            const std::error_code error = errno ? std::error_code(errno, std::generic_category())
                                                : std::make_error_code(std::errc::io_error);
            err_ << "selvaris: standard output: " << DescribeFileError(error) << '\n';
            reported_ = true;
        }
        return false;
    }

private:
    std::ostream& out_;
    std::ostream& err_;
    bool reported_ = false;
};

std::string Counted(std::size_t n, const char* noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

std::string FactorText(const ComplexMatrix& factor) {
    // The window's text, each line without the padding of its last cell.
    std::string text;
    for (char ch : MatrixTextOf(factor)) {
        if (ch == '\r') continue;
        if (ch == '\n')
            while (!text.empty() && text.back() == ' ') text.pop_back();
        text += ch;
    }
    return text;
}

void PrintFactors(const Decomposition& d, const Circuit& circuit, std::ostream& out) {
    for (std::size_t k = 0; k < d.factors.size(); ++k) {
        out << "F" << k << " " << (k < d.stepNames.size() ? d.stepNames[k] : "(残り)") << '\n';
        out << FactorText(d.factors[k]);
    }
    out << ReconstructionErrorLine(ReconstructionError(d)) << '\n';
    if (circuit.ok()) out << CircuitErrorLine(circuit.error) << '\n';
}

// Reads, decomposes and reports one file; the exit status for it.
int DecomposeFile(const std::string& path, const CommandOptions& options, const ComplexMatrix& finalGate,
                  HeadlessWorkbench& workbench, HeadlessOutcome& outcome, std::ostream& err) {
    const MatrixFileRead read = ReadTargetFile(path);
    if (!read.matrix) {
        err << Prefix("target", path) << read.failure << '\n';
        return kExitFailed;
    }
    ConsolePlatform platform(err, Prefix("target", path));
    outcome = workbench.Decompose(*read.matrix, options.plan, finalGate, platform);
    switch (outcome.status) {
        case HeadlessOutcome::Status::Done:
            return kExitDone;
        case HeadlessOutcome::Status::StepLimit:
            return kExitFailed;
        case HeadlessOutcome::Status::TargetNotUnitary:
        case HeadlessOutcome::Status::FinalGateNotUnitary:
            break;
    }
    return kExitNotUnitary;
}

// Writes one output, to standard output for "-"; its error lines on err.
bool WriteOutput(const Decomposition& d, const Circuit& circuit, const OutputOption& output, StandardOutput& out,
                 std::ostream& err, const CircuitImageRenderer& render) {
    const std::string prefix = Prefix("output", output.request.path);
    if (output.request.format != ExportFormat::Json && !circuit.ok()) {
        err << prefix << "書き出しませんでした。次の因子は回路にできません。\n";
        for (const std::string& problem : circuit.problems) err << prefix << problem << '\n';
        return false;
    }
    std::optional<std::string> failure;
    const FileWriter write = [&](const std::string& path, const std::string& bytes) {
        if (path == "-") {
            out.stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            failure = out.Flushed() ? std::nullopt : std::optional<std::string>("標準出力に書けません");
        } else {
            failure = ReplaceFileContents(path, bytes);
        }
        return failure;
    };
    bool drawn = true;
    const CircuitImageRenderer draw = [&](const Circuit& c, CircuitBasis basis, ExportFormat format) {
        std::optional<std::string> bytes = render ? render(c, basis, format) : std::nullopt;
        drawn = bytes.has_value();
        return bytes;
    };
    const ExportOutcome written = ExportRequests(d, {output.request}, write, draw);
    if (!written.written.empty()) return true;
    if (!drawn) {
        err << prefix << "ここでは回路図を描けません\n";
    } else if (failure) {
        // A failed standard output has said so already.
        if (output.request.path != "-") err << prefix << "保存できませんでした（" << *failure << "）\n";
    } else {
        for (const std::string& message : written.messages) ConsolePlatform(err, prefix).MessageBox(message, 0, "");
    }
    return false;
}

int DecomposeOne(const CommandOptions& options, const ComplexMatrix& finalGate, StandardOutput& out,
                 std::ostream& err, const CircuitImageRenderer& render) {
    ConsolePlatform console(err);
    HeadlessWorkbench workbench(console);
    HeadlessOutcome outcome;
    const int status = DecomposeFile(options.file, options, finalGate, workbench, outcome, err);
    if (status != kExitDone) return status;
    const Decomposition& d = outcome.decomposition;
    const Circuit circuit = BuildCircuit(d);
    const bool outputToStandardOutput = std::any_of(options.outputs.begin(), options.outputs.end(),
                                                    [](const OutputOption& o) { return o.request.path == "-"; });
    // Standard output carries that file alone.
    if (!outputToStandardOutput) {
        out.stream() << EscapedName(options.file) << ": " << Counted(static_cast<std::size_t>(outcome.steps), "step")
                     << ", " << Counted(d.factors.size(), "factor") << '\n';
        PrintFactors(d, circuit, out.stream());
        if (!out.Flushed()) return kExitFailed;
    }
    // The JSON first: it holds everything even when a circuit cannot be written.
    std::vector<OutputOption> ordered = options.outputs;
    std::stable_partition(ordered.begin(), ordered.end(),
                          [](const OutputOption& o) { return o.request.format == ExportFormat::Json; });
    int result = kExitDone;
    for (const OutputOption& output : ordered)
        if (!WriteOutput(d, circuit, output, out, err, render)) result = kExitFailed;
    return result;
}

bool IsMatrixFileName(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    return EndsWithIgnoringCase(name, ".gyo") || EndsWithIgnoringCase(name, ".npy") ||
           EndsWithIgnoringCase(name, ".qasm");
}

// One row per file: name, steps and reconstruction error, or what went wrong.
// Status 1 when any file gave 1, else 2 when any was not unitary: a file that
// could not be handled at all matters more than one that is not unitary.
int DecomposeFolder(const CommandOptions& options, const ComplexMatrix& finalGate, StandardOutput& standardOutput,
                    std::ostream& err) {
    std::ostream& out = standardOutput.stream();
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (std::filesystem::directory_iterator it(options.batchFolder, error), end; !error && it != end;
         it.increment(error))
        if (IsMatrixFileName(it->path())) files.push_back(it->path());
    if (error) {
        err << Prefix("--batch", options.batchFolder) << DescribeFileError(error) << '\n';
        return kExitFailed;
    }
    std::sort(files.begin(), files.end());
    bool failed = false, notUnitary = false;
    // One workbench for the whole folder, as one window serves any number of targets.
    ConsolePlatform console(err);
    HeadlessWorkbench workbench(console);
    for (const std::filesystem::path& file : files) {
        HeadlessOutcome outcome;
        const int status = DecomposeFile(file.string(), options, finalGate, workbench, outcome, err);
        out << EscapedName(file.filename().string()) << '\t';
        if (status == kExitDone)
            out << outcome.steps << '\t' << ShortScientific(ReconstructionError(outcome.decomposition)) << '\n';
        else if (status == kExitNotUnitary)
            out << "-\tnot unitary\n";
        else
            out << "-\t" << (outcome.status == HeadlessOutcome::Status::StepLimit ? "too many steps" : "unreadable")
                << '\n';
        failed = failed || status == kExitFailed;
        notUnitary = notUnitary || status == kExitNotUnitary;
        if (!standardOutput.Flushed()) return kExitFailed;  // the rows would be lost
    }
    return failed ? kExitFailed : notUnitary ? kExitNotUnitary : kExitDone;
}

int Decompose(const std::vector<std::string>& args, StandardOutput& out, std::ostream& err,
              const CircuitImageRenderer& render) {
    const std::optional<CommandOptions> options = ParseCommandOptions(args, err);
    if (!options) return kExitFailed;
    if (options->help || options->version) {
        out.stream() << (options->help ? kHelpText : kVersionText);
        return kExitDone;
    }
    if (const std::optional<std::string> refused = RefusedOutput(*options)) {
        err << *refused << '\n';
        return kExitFailed;
    }
    ComplexMatrix finalGate = ComplexMatrix::Identity();
    if (!options->finalFile.empty()) {
        const MatrixFileRead read = ReadTargetFile(options->finalFile);
        if (!read.matrix) {
            err << Prefix("--final", options->finalFile) << read.failure << '\n';
            return kExitFailed;
        }
        ConsolePlatform platform(err, Prefix("--final", options->finalFile));
        if (!FinalGateIsUnitary(*read.matrix, platform)) return kExitNotUnitary;
        finalGate = *read.matrix;
    }
    return options->batchFolder.empty() ? DecomposeOne(*options, finalGate, out, err, render)
                                        : DecomposeFolder(*options, finalGate, out, err);
}

}  // namespace

bool IsCommandLine(const std::vector<std::string>& args) {
    if (args.empty()) return false;
    for (const char* command : {"decompose", "--help", "-h", "--version", "-V"})
        if (args[0] == command) return true;
    return false;
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const CircuitImageRenderer& render) {
    StandardOutput standardOutput(out, err);
    int status = kExitFailed;
    if (!IsCommandLine(args)) {
        err << "selvaris: unknown command (see selvaris --help)\n";
    } else if (args[0] == "--help" || args[0] == "-h") {
        out << kHelpText;
        status = kExitDone;
    } else if (args[0] == "--version" || args[0] == "-V") {
        out << kVersionText;
        status = kExitDone;
    } else {
        status = Decompose(args, standardOutput, err, render);
    }
    // Whatever was printed must have arrived.
    if (!standardOutput.Flushed()) status = kExitFailed;
    return status;
}

int RunCommandLineProcess(const std::vector<std::string>& args, const CircuitImageRenderer& render) {
    std::signal(SIGPIPE, SIG_IGN);
    return RunCommandLine(args, std::cout, std::cerr, render);
}

}  // namespace selvaris
