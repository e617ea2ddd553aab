#pragma once

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
QasmProgram WriteQasm(const Decomposition& decomposition);

}  // namespace selvaris
