#pragma once

#include <optional>
#include <string>

#include "export/circuit.h"
#include "export/export_formats.h"

namespace selvaris::ui {

// The circuit window's drawing of a circuit, without a highlighted factor, as
// the bytes of an SVG file (1 px to 15 twips) and of a PNG file (twice that
// resolution). Both need a QGuiApplication, on any platform, offscreen too;
// without one they give nothing (an empty string).
std::string CircuitSvg(const Circuit& circuit, CircuitBasis basis);
std::string CircuitPng(const Circuit& circuit, CircuitBasis basis);

// Both, for the export: SVG and PNG from these, nothing for other formats or
// when they cannot be drawn.
std::optional<std::string> CircuitImage(const Circuit& circuit, CircuitBasis basis, ExportFormat format);

// The same for the command line, which starts without an application: the
// first picture creates one on the offscreen platform, so no display is needed.
std::optional<std::string> CommandLineCircuitImage(const Circuit& circuit, CircuitBasis basis, ExportFormat format);

}  // namespace selvaris::ui
