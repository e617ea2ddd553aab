#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "export/circuit.h"
#include "export/export_files.h"

namespace selvaris {

enum class ExportFormat { Qasm2, Qasm3, Latex, Svg, Png, Json };

// One file to write: what, in which form, where.
struct ExportRequest {
    ExportFormat format = ExportFormat::Qasm2;
    CircuitBasis basis = CircuitBasis::TwoLevel;
    std::string path;
};

// Draws the circuit as an SVG or PNG file's bytes; nothing when pictures
// cannot be drawn here. Drawing needs the toolkit, so its owner hands it in.
using CircuitImageRenderer =
    std::function<std::optional<std::string>(const Circuit&, CircuitBasis, ExportFormat)>;

// Writes every requested file, the JSON ones first; a circuit that cannot be
// written (a factor holding NaN, infinity or only zeros) leaves out the
// circuit files with a message naming the factor, and a failed write says
// why, each message in outcome.messages.
ExportOutcome ExportRequests(const Decomposition& decomposition, const std::vector<ExportRequest>& requests,
                             const FileWriter& write, const CircuitImageRenderer& render = {});

}  // namespace selvaris
