#include "export/qasm3_writer.h"

#include "export/exact_number.h"
#include "export/qasm_writer.h"

namespace selvaris {
namespace {

std::string Operand(int qubit) { return "q[" + std::to_string(qubit) + "]"; }

std::string AngleList(const std::vector<double>& angles) {
    std::string list = "(";
    for (std::size_t k = 0; k < angles.size(); ++k) list += (k ? ", " : "") + QasmReal(angles[k]);
    return list + ")";
}

// Only stdgates' x, p, cx and cp and the builtin U have qelib1's matrices
// without a phase of their own.
std::string Statement(const QasmGate& gate) {
    std::string head;
    if (gate.name == "x" || gate.name == "cx")
        head = gate.name;
    else if (gate.name == "u1" || gate.name == "cu1")
        head = (gate.name == "cu1" ? "cp" : "p") + AngleList(gate.angles);
    else
        head = (gate.name == "cu3" ? "ctrl @ U" : "U") + AngleList(gate.angles);
    std::string line = head;
    for (std::size_t k = 0; k < gate.qubits.size(); ++k) line += (k ? ", " : " ") + Operand(gate.qubits[k]);
    return line + ";\n";
}

}  // namespace

std::string WriteQasm3(const Decomposition& d, CircuitBasis basis) {
    const Circuit circuit = BuildCircuit(d);
    if (!circuit.ok()) return {};
    std::string text = "OPENQASM 3.0;\ninclude \"stdgates.inc\";\n" + QasmExplanation(d, circuit) +
                       "// U(a, b, c) is qelib1.inc's u3(a, b, c); stdgates.inc's u3 adds a phase, so it is not used.\n"
                       "qubit[2] q;\n" +
                       QasmBody(d, circuit, basis, Statement);
    if (circuit.phase != 0.0) text += "gphase(" + QasmReal(circuit.phase) + ");\n";
    return text;
}

}  // namespace selvaris
