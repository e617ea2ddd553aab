#include "export/circuit.h"
#include "export/export_files.h"
#include "export/reconstruction.h"
#include "files/file_messages.h"
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
    const Circuit circuit = BuildCircuit(d);
    SetText(kCircuitErrorLabel, circuit.ok() ? CircuitErrorLine(circuit.error) : "");
}

void Form1::ExportCircuit() {
    const std::optional<std::string> chosen = platform_.AskSaveFileName(kExportTitle);
    if (!chosen) return;
    const ExportPaths paths = ExportPathsFor(*chosen);
    // The desktop's dialog has asked about the name chosen, not about the
    // file written beside it.
    for (const std::string& path : {paths.qasm, paths.json}) {
        if (path.empty() || path == *chosen || InspectSaveTarget(path).kind == SaveTarget::Kind::Missing) continue;
        const int style = kStyleExclamationYesNo + kStyleSecondButtonDefault;
        if (platform_.MessageBox(OverwriteQuestion(path), style, kOverwriteTitle) == MessageAnswer::No) return;
    }
    const ExportOutcome outcome = ExportDecomposition(CurrentDecomposition(), paths, ReplaceFileContents);
    for (const std::string& message : outcome.messages) platform_.MessageBox(message, kStyleExclamationOk, kMessageTitle);
}

}  // namespace selvaris
