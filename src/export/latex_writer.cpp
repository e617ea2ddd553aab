#include "export/latex_writer.h"

#include "export/exact_number.h"
#include "export/gate_label.h"

namespace selvaris {
namespace {

// GateLabel's text as math: "S†" as S^\dagger, "U3(...)" as U_3(...). The
// labels only hold the characters kept here; anything else is dropped so that
// no label could ever end the math or the cell.
std::string MathLabel(const std::string& label) {
    const std::string dagger = "†";
    std::string math;
    for (std::size_t k = 0; k < label.size(); ++k) {
        const char ch = label[k];
        if (label.compare(k, dagger.size(), dagger) == 0) {
            math += "^\\dagger";
            k += dagger.size() - 1;
        } else if (ch == '3' && k == 1 && label[0] == 'U') {
            math += "_3";
        } else if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
                   ch == '.' || ch == ',' || ch == '-' || ch == '(' || ch == ')' || ch == ' ') {
            math += ch;
        }
    }
    return math;
}

// The cell of one gate on one wire; a control points at the target's row,
// and q_1 is the upper row, so a control on q_1 points one row down.
std::string Cell(const CircuitGate& gate, int wire) {
    if (gate.target == wire) return IsCnot(gate) ? "\\targ{}" : "\\gate{" + MathLabel(GateLabel(gate)) + "}";
    if (gate.control == wire)
        return (gate.openControl ? "\\octrl{" : "\\ctrl{") + std::to_string(gate.control - gate.target) + "}";
    return "\\qw";
}

std::string Row(const std::vector<CircuitGate>& gates, int wire) {
    std::string row = "\\lstick{$q_" + std::to_string(wire) + "$}";
    for (const CircuitGate& gate : gates) row += " & " + Cell(gate, wire);
    return row + " & \\qw";
}

}  // namespace

std::string WriteLatex(const Decomposition& d, CircuitBasis basis) {
    const Circuit circuit = BuildCircuit(d);
    if (!circuit.ok()) return {};
    const std::vector<CircuitGate>& gates = circuit.Drawn(basis);
    std::string text = "% Written by Selvaris: U = target / s with s = " + ExactNumber(circuit.scale) + ", in the " +
                       (basis == CircuitBasis::Cx ? "CNOT form" : "two-level form") + ".\n";
    text +=
        "% q_1 is the top wire (the high-order bit of the state index), q_0 the bottom wire.\n"
        "% The gates act from left to right, the last factor first. Single-qubit gates are\n"
        "% named up to their global phase, and the circuit's global phase is not drawn.\n";
    if (!circuit.exact)
        text += "% This circuit is not exactly U: circuit_error = " + ExactNumber(circuit.error) +
                ", the largest\n% difference between their elements (real and imaginary values).\n";
    text +=
        "\\documentclass[border=4pt]{standalone}\n"
        "\\usepackage{tikz}\n"
        "\\usetikzlibrary{quantikz}\n"
        "\\begin{document}\n";
    text += std::string(kLatexCircuitBegin) + "\n\\begin{quantikz}\n";
    text += Row(gates, 1) + " \\\\\n" + Row(gates, 0) + "\n";
    text += "\\end{quantikz}\n" + std::string(kLatexCircuitEnd) + "\n\\end{document}\n";
    return text;
}

}  // namespace selvaris
