#include <algorithm>

#include "export/circuit.h"
#include "export/export_files.h"
#include "export/export_formats.h"
#include "export/reconstruction.h"
#include "files/file_messages.h"
#include "files/file_name_ending.h"
#include "files/matrix_file_io.h"
#include "files/safe_file_write.h"
#include "workbench/form1.h"
#include "workbench/form1_controls.h"

namespace selvaris {

using namespace form1;

Decomposition Form1::CurrentDecomposition() const {
    Decomposition d;
    d.target = state_.TargetHist.at(0);
    const int c = state_.StepCount;
    d.factors.reserve(static_cast<std::size_t>(std::max(c, 0)));
    d.stepNames.reserve(static_cast<std::size_t>(std::max(c, 0)));
    for (int k = 0; k < c && k < MatrixHistory::kSlots; ++k) d.factors.push_back(state_.FactorHist.at(k));
    // The last factor is what was left of the target: no step of its own, and
    // its slot may still hold a name from an earlier, longer decomposition.
    for (int k = 0; k + 1 < c && k < MatrixHistory::kSlots; ++k)
        d.stepNames.push_back(state_.GateNameHist.at(static_cast<std::size_t>(k)));
    return d;
}

void Form1::ShowReconstructionError() {
    const Decomposition d = CurrentDecomposition();
    SetText(kReconstructionErrorLabel, ReconstructionErrorLine(ReconstructionError(d)));
    const Circuit circuit = BuildCircuit(d, CircuitParts::ErrorOnly);
    SetText(kCircuitErrorLabel, circuit.ok() ? CircuitErrorLine(circuit.error) : "");
}

namespace {

// The file types "回路を書き出す" offers. The first two write the OpenQASM
// program and the JSON side by side, as the export always has.
struct ExportChoice {
    const char* filter;
    ExportFormat format;
    CircuitBasis basis;
    const char* ending;
};
const ExportChoice kExportChoices[] = {
    {"OpenQASM 2.0 と JSON (*.qasm)", ExportFormat::Qasm2, CircuitBasis::TwoLevel, ".qasm"},
    {"OpenQASM 2.0、CNOT と 1 量子ビットゲート、と JSON (*.qasm)", ExportFormat::Qasm2, CircuitBasis::Cx, ".qasm"},
    {"OpenQASM 3.0 (*.qasm)", ExportFormat::Qasm3, CircuitBasis::TwoLevel, ".qasm"},
    {"OpenQASM 3.0、CNOT と 1 量子ビットゲート (*.qasm)", ExportFormat::Qasm3, CircuitBasis::Cx, ".qasm"},
    {"LaTeX (*.tex)", ExportFormat::Latex, CircuitBasis::TwoLevel, ".tex"},
    {"LaTeX、CNOT と 1 量子ビットゲート (*.tex)", ExportFormat::Latex, CircuitBasis::Cx, ".tex"},
    {"SVG (*.svg)", ExportFormat::Svg, CircuitBasis::TwoLevel, ".svg"},
    {"SVG、CNOT と 1 量子ビットゲート (*.svg)", ExportFormat::Svg, CircuitBasis::Cx, ".svg"},
    {"PNG (*.png)", ExportFormat::Png, CircuitBasis::TwoLevel, ".png"},
    {"PNG、CNOT と 1 量子ビットゲート (*.png)", ExportFormat::Png, CircuitBasis::Cx, ".png"},
    {"JSON (*.json)", ExportFormat::Json, CircuitBasis::TwoLevel, ".json"},
};

std::vector<ExportRequest> RequestsFor(const ExportChoice& choice, const std::string& chosen) {
    if (choice.format == ExportFormat::Qasm2) {
        const ExportPaths paths = ExportPathsFor(chosen);
        return {{ExportFormat::Json, choice.basis, paths.json}, {ExportFormat::Qasm2, choice.basis, paths.qasm}};
    }
    // A dot-name alone ("dir/.tex") is a name without an ending, as the dialog sees it.
    const std::string name = chosen.substr(chosen.find_last_of('/') + 1);
    const bool hasEnding = EndsWithIgnoringCase(name, choice.ending) && name.size() > std::string(choice.ending).size();
    if (name.empty()) return {};
    return {{choice.format, choice.basis, hasEnding ? chosen : chosen + choice.ending}};
}

}  // namespace

void Form1::ExportCircuit() {
    std::vector<std::string> filters;
    for (const ExportChoice& choice : kExportChoices) filters.push_back(choice.filter);
    const auto chosen = platform_.AskExportFileName(kExportTitle, filters);
    if (!chosen) return;
    const std::size_t type = static_cast<std::size_t>(chosen->second);
    const ExportChoice& choice = kExportChoices[type < std::size(kExportChoices) ? type : 0];
    const std::vector<ExportRequest> requests = RequestsFor(choice, chosen->first);
    bool anyPath = false;
    for (const ExportRequest& request : requests) anyPath = anyPath || !request.path.empty();
    if (!anyPath) {
        platform_.MessageBox(EmptyFileNameMessage(), kStyleExclamationOk, kMessageTitle);
        return;
    }
    // The desktop's dialog has asked about the name chosen, not about a file
    // written beside it or under a name with its ending added.
    for (const ExportRequest& request : requests) {
        const std::string& path = request.path;
        if (path.empty() || path == chosen->first || InspectSaveTarget(path).kind == SaveTarget::Kind::Missing)
            continue;
        const int style = kStyleExclamationYesNo + kStyleSecondButtonDefault;
        if (platform_.MessageBox(OverwriteQuestion(path), style, kOverwriteTitle) == MessageAnswer::No) return;
    }
    const ExportOutcome outcome = ExportRequests(CurrentDecomposition(), requests, ReplaceFileContents, circuitImages_);
    for (const std::string& message : outcome.messages) platform_.MessageBox(message, kStyleExclamationOk, kMessageTitle);
    if (outcome.written.empty()) return;
    std::string written;
    for (const std::string& path : outcome.written) written += (written.empty() ? "" : "、") + path;
    SetStatus("書き出しました：" + written);
}

}  // namespace selvaris
