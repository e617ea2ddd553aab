#pragma once

#include <string>
#include <vector>

#include "export/decomposition.h"

namespace selvaris {

// An OpenQASM 2.0 program whose unitary is the target divided by its scale,
// global phase included, or the reasons why there is none (one Japanese line
// each, naming the factor).
struct QasmProgram {
    std::string text;
    std::vector<std::string> problems;

    bool ok() const { return problems.empty(); }
};

// The factors apply last first; each is written as what it is with the gates
// of qelib1.inc, and the phases they leave over are written once at the end.
// A decomposition whose factors do not give back the target is refused too.
QasmProgram WriteQasm(const Decomposition& decomposition);

// "因子 3（1_3_a）", "因子 6（残り）" for the last factor when it has no name.
std::string FactorLabel(const Decomposition& decomposition, std::size_t index);

}  // namespace selvaris
