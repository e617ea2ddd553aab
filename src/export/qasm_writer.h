#pragma once

#include <functional>
#include <string>
#include <vector>

#include "export/circuit.h"
#include "export/decomposition.h"

namespace selvaris {

// An OpenQASM 2.0 program whose unitary is the target divided by its scale,
// global phase included, or the reasons why there is none (one Japanese line
// each, naming the factor).
struct QasmProgram {
    std::string text;
    std::vector<std::string> problems;
    double circuitError = 0.0;  // how far the program's unitary is from target / s
    bool exact = true;          // see Circuit::exact

    bool ok() const { return problems.empty(); }
};

// The factors apply last first; each is written as what it is with the gates
// of qelib1.inc, or as the nearest such gates when it is not exactly one, and
// the phases they leave over are written once at the end.
// In the CNOT form every controlled gate is written with cx and single-qubit
// gates instead.
QasmProgram WriteQasm(const Decomposition& decomposition, CircuitBasis basis = CircuitBasis::TwoLevel);

// What every OpenQASM version the program writes shares: the comment lines
// on wires, scale, factor order and any circuit error, and the body, each
// factor (last first) after a comment line naming it, its gates written by
// statement.
std::string QasmExplanation(const Decomposition& decomposition, const Circuit& circuit);
std::string QasmBody(const Decomposition& decomposition, const Circuit& circuit, CircuitBasis basis,
                     const std::function<std::string(const QasmGate&)>& statement);

}  // namespace selvaris
