#include "export/qasm_writer.h"

#include <cmath>

#include "export/exact_number.h"
#include "export/circuit.h"

namespace selvaris {
namespace {

std::string Statement(const QasmGate& gate) {
    std::string line = gate.name;
    if (!gate.angles.empty()) {
        line += '(';
        for (std::size_t k = 0; k < gate.angles.size(); ++k) line += (k ? "," : "") + QasmReal(gate.angles[k]);
        line += ')';
    }
    for (std::size_t k = 0; k < gate.qubits.size(); ++k)
        line += (k ? ",q[" : " q[") + std::to_string(gate.qubits[k]) + "]";
    return line + ";\n";
}

// e^{ia} on every state: u1(a) gives |1> the phase, x u1(a) x gives it to |0>.
std::string GlobalPhase(double angle) {
    const std::string u1 = "u1(" + QasmReal(angle) + ") q[0];\n";
    return "// global phase " + QasmReal(angle) + "\n" + u1 + "x q[0];\n" + u1 + "x q[0];\n";
}

// A name goes into a comment line: anything but printable ASCII could end
// the comment and put text into the program.
std::string CommentSafe(const std::string& text) {
    std::string safe = text;
    for (char& ch : safe)
        if (ch < 0x20 || ch > 0x7e) ch = '?';
    return safe;
}

std::string Header(const Decomposition& d, const Circuit& circuit) {
    const std::size_t c = d.factors.size();
    std::string header =
        "OPENQASM 2.0;\n"
        "include \"qelib1.inc\";\n"
        "// Written by Selvaris. q[1] is the top wire (the high-order bit of the state index),\n"
        "// q[0] the bottom wire, so a reader that numbers qubits little-endian gets the target.\n";
    header += "// target = s * U with s = " + ExactNumber(circuit.scale) + "; this circuit is U.\n";
    if (c > 0)
        header += "// U = F0 x ... x F" + std::to_string(c - 1) + " / s: the factors apply from F" +
                  std::to_string(c - 1) + " back to F0.\n";
    if (!circuit.exact)
        header += "// This circuit is not exactly U: circuit_error = " + ExactNumber(circuit.error) +
                  ", the largest\n// difference between their elements (real and imaginary parts).\n";
    return header + "qreg q[2];\n";
}

}  // namespace

QasmProgram WriteQasm(const Decomposition& d) {
    QasmProgram program;
    const Circuit circuit = BuildCircuit(d);
    program.problems = circuit.problems;
    if (!program.ok()) return program;

    std::string body;
    for (std::size_t k = circuit.factors.size(); k-- > 0;) {
        const std::string name = k < d.stepNames.size() ? " " + CommentSafe(d.stepNames[k])
                                 : k + 1 == circuit.factors.size() ? " remainder"
                                                                   : "";
        body += "// F" + std::to_string(k) + name + ": " + circuit.factors[k].form + "\n";
        for (const QasmGate& gate : circuit.factors[k].gates) body += Statement(gate);
    }
    if (circuit.phase != 0.0) body += GlobalPhase(circuit.phase);
    program.text = Header(d, circuit) + body;
    program.circuitError = circuit.error;
    program.exact = circuit.exact;
    return program;
}

}  // namespace selvaris
