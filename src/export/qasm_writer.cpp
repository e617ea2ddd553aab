#include "export/qasm_writer.h"

#include <cmath>
#include <functional>

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

}  // namespace

std::string QasmExplanation(const Decomposition& d, const Circuit& circuit) {
    const std::size_t c = d.factors.size();
    std::string text =
        "// Written by Selvaris. q[1] is the top wire (the high-order bit of the state index),\n"
        "// q[0] the bottom wire, so a reader that numbers qubits little-endian gets the target.\n";
    text += "// target = s * U with s = " + ExactNumber(circuit.scale) + "; this circuit is U.\n";
    if (c > 0)
        text += "// U = F0 x ... x F" + std::to_string(c - 1) + " / s: the factors apply from F" +
                std::to_string(c - 1) + " back to F0.\n";
    if (!circuit.exact)
        text += "// This circuit is not exactly U: circuit_error = " + ExactNumber(circuit.error) +
                ", the largest\n// difference between their elements (real and imaginary parts).\n";
    return text;
}

std::string QasmBody(const Decomposition& d, const Circuit& circuit, CircuitBasis basis,
                     const std::function<std::string(const QasmGate&)>& statement) {
    std::string body;
    for (std::size_t k = circuit.factors.size(); k-- > 0;) {
        const std::string name = k < d.stepNames.size() ? " " + CommentSafe(d.stepNames[k])
                                 : k + 1 == circuit.factors.size() ? " remainder"
                                                                   : "";
        body += "// F" + std::to_string(k) + name + ": " + circuit.factors[k].form + "\n";
        if (basis == CircuitBasis::TwoLevel)
            for (const QasmGate& gate : circuit.factors[k].gates) body += statement(gate);
        else
            for (const PlacedGate& placed : circuit.cxGates)
                if (placed.factor == k) body += statement(placed.gate);
    }
    return body;
}

QasmProgram WriteQasm(const Decomposition& d, CircuitBasis basis) {
    QasmProgram program;
    const Circuit circuit = BuildCircuit(d);
    program.problems = circuit.problems;
    if (!program.ok()) return program;

    program.text = "OPENQASM 2.0;\ninclude \"qelib1.inc\";\n" + QasmExplanation(d, circuit) + "qreg q[2];\n" +
                   QasmBody(d, circuit, basis, Statement);
    if (circuit.phase != 0.0) program.text += GlobalPhase(circuit.phase);
    program.circuitError = circuit.error;
    program.exact = circuit.exact;
    return program;
}

}  // namespace selvaris
