#include "export/export_formats.h"

#include <algorithm>

#include "export/export_messages.h"
#include "export/json_writer.h"
#include "export/latex_writer.h"
#include "export/qasm3_writer.h"
#include "export/qasm_writer.h"
#include "files/file_messages.h"

namespace selvaris {
namespace {

// The file's bytes, or nothing with the reason in failure.
std::optional<std::string> FileBytes(const Decomposition& d, const Circuit& circuit, const ExportRequest& request,
                                     const CircuitImageRenderer& render, std::string& failure) {
    switch (request.format) {
        case ExportFormat::Json:
            return WriteJson(d);
        case ExportFormat::Qasm2:
            return WriteQasm(d, request.basis).text;
        case ExportFormat::Qasm3:
            return WriteQasm3(d, request.basis);
        case ExportFormat::Latex:
            return WriteLatex(d, request.basis);
        case ExportFormat::Svg:
        case ExportFormat::Png:
            if (render)
                if (std::optional<std::string> bytes = render(circuit, request.basis, request.format)) return bytes;
            failure = "ここでは回路図を描けません";
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

ExportOutcome ExportRequests(const Decomposition& d, const std::vector<ExportRequest>& requests,
                             const FileWriter& write, const CircuitImageRenderer& render) {
    ExportOutcome outcome;
    std::vector<ExportRequest> ordered = requests;
    std::stable_partition(ordered.begin(), ordered.end(),
                          [](const ExportRequest& r) { return r.format == ExportFormat::Json; });
    const Circuit circuit = BuildCircuit(d);
    for (const ExportRequest& request : ordered) {
        if (request.path.empty()) continue;
        const bool isJson = request.format == ExportFormat::Json;
        if (!isJson && !circuit.ok()) {
            outcome.messages.push_back(QasmNotWrittenMessage(request.path, circuit.problems, outcome.jsonWritten));
            continue;
        }
        std::string failure;
        const std::optional<std::string> bytes = FileBytes(d, circuit, request, render, failure);
        std::optional<std::string> writeFailure = bytes ? write(request.path, *bytes) : failure;
        if (writeFailure) {
            outcome.messages.push_back(SaveFailedMessage(request.path, *writeFailure));
            continue;
        }
        outcome.written.push_back(request.path);
        if (isJson) outcome.jsonWritten = true;
        if (request.format == ExportFormat::Qasm2) outcome.qasmWritten = true;
    }
    return outcome;
}

}  // namespace selvaris
