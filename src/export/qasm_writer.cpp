#include "export/qasm_writer.h"

#include <cmath>

#include "export/exact_number.h"
#include "export/factor_gates.h"
#include "export/reconstruction.h"
#include "export/u3_angles.h"
#include "export/unitary_scale.h"

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

std::string Header(const Decomposition& d, double scale) {
    const std::size_t c = d.factors.size();
    std::string header =
        "OPENQASM 2.0;\n"
        "include \"qelib1.inc\";\n"
        "// Written by Selvaris. q[1] is the top wire (the high-order bit of the state index),\n"
        "// q[0] the bottom wire, so a reader that numbers qubits little-endian gets the target.\n";
    header += "// target = s * U with s = " + ExactNumber(scale) + "; this circuit is U.\n";
    if (c > 0)
        header += "// U = F0 x ... x F" + std::to_string(c - 1) + " / s: the factors apply from F" +
                  std::to_string(c - 1) + " back to F0.\n";
    return header + "qreg q[2];\n";
}

}  // namespace

std::string FactorLabel(const Decomposition& d, std::size_t index) {
    std::string label = "因子 " + std::to_string(index);
    if (index < d.stepNames.size() && !d.stepNames[index].empty())
        label += "（" + d.stepNames[index] + "）";
    else if (index + 1 == d.factors.size())
        label += "（残り）";
    return label;
}

QasmProgram WriteQasm(const Decomposition& d) {
    QasmProgram program;
    const double scale = UnitaryScale(d.target);
    const double error = ReconstructionError(d);
    if (!(error <= kFormTolerance * scale))
        program.problems.push_back("因子の積が目標行列と一致しません（再構成誤差 " + ShortScientific(error) + "）。");

    std::vector<FactorGates> factors;
    for (std::size_t k = 0; k < d.factors.size(); ++k) {
        factors.push_back(FactorToGates(d.factors[k]));
        if (!factors.back().refusal.empty())
            program.problems.push_back(FactorLabel(d, k) + "：" + factors.back().refusal + "。");
    }
    if (!program.ok()) return program;

    std::string body;
    double phase = 0.0;
    for (std::size_t k = factors.size(); k-- > 0;) {
        const std::string name = k < d.stepNames.size() ? " " + CommentSafe(d.stepNames[k])
                                 : k + 1 == factors.size() ? " remainder"
                                                           : "";
        body += "// F" + std::to_string(k) + name + ": " + factors[k].form + "\n";
        for (const QasmGate& gate : factors[k].gates) body += Statement(gate);
        phase += factors[k].phase;
    }

    // A phase this small changes no element by more than rounding.
    phase = WrapAngle(phase);
    if (std::abs(phase) > 1e-15) body += GlobalPhase(phase);
    program.text = Header(d, scale) + body;
    return program;
}

}  // namespace selvaris
