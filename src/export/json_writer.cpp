#include "export/json_writer.h"

#include <cmath>
#include <cstdio>

#include "export/circuit.h"
#include "export/exact_number.h"
#include "export/reconstruction.h"
#include "export/unitary_scale.h"

namespace selvaris {
namespace {

std::string Number(double value) { return std::isfinite(value) ? FloatNumber(value) : "null"; }

std::string String(const std::string& text) {
    std::string quoted = "\"";
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            quoted += '\\';
            quoted += ch;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else {
            quoted += ch;
        }
    }
    return quoted + "\"";
}

std::string Matrix(const ComplexMatrix& m, const std::string& indent) {
    std::string text = "[\n";
    for (int r = 0; r < ComplexMatrix::kSize; ++r) {
        text += indent + "  [";
        for (int c = 0; c < ComplexMatrix::kSize; ++c)
            text += (c ? ", [" : "[") + Number(m.re(r, c)) + ", " + Number(m.im(r, c)) + "]";
        text += r + 1 < ComplexMatrix::kSize ? "],\n" : "]\n";
    }
    return text + indent + "]";
}

}  // namespace

std::string WriteJson(const Decomposition& d) {
    std::string json = "{\n";
    json += "  \"format\": \"selvaris decomposition\",\n";
    json += "  \"qubit_order\": \"state index 2*b1 + b0; q[1] (b1) is the top wire, q[0] (b0) the bottom wire\",\n";
    json += "  \"product\": \"target = factors[0] x factors[1] x ... x factors[last]; the last factor acts first\",\n";
    json += "  \"scale\": " + Number(UnitaryScale(d.target)) + ",\n";
    json += "  \"reconstruction_error\": " + Number(ReconstructionError(d)) + ",\n";
    // Files of exact decompositions stay as they always were.
    const Circuit circuit = BuildCircuit(d);
    if (circuit.ok() && !circuit.exact) json += "  \"circuit_error\": " + Number(circuit.error) + ",\n";
    if (circuit.ok()) {
        json += "  \"cnot_count\": " + std::to_string(circuit.cnotCount) + ",\n";
        json += "  \"cnot_minimum\": " + std::to_string(circuit.cnotMinimum) + ",\n";
    }
    json += "  \"target\": " + Matrix(d.target, "  ") + ",\n";
    json += "  \"factors\": [";
    for (std::size_t k = 0; k < d.factors.size(); ++k) json += (k ? ", " : "") + Matrix(d.factors[k], "  ");
    json += "],\n  \"step_names\": [";
    for (std::size_t k = 0; k < d.stepNames.size(); ++k) json += (k ? ", " : "") + String(d.stepNames[k]);
    return json + "]\n}\n";
}

}  // namespace selvaris
