#pragma once

#include <string>
#include <vector>

#include "core/complex_matrix.h"

namespace selvaris {

// A finished decomposition as plain data: factors[0] x factors[1] x ... x
// factors[c - 1] gives back target, so the last factor acts first on a state.
// stepNames[k] is the name of the step whose gate factors[k] undoes ("0_1_b",
// ..., "org_gate"); the last factor, what was left of the target, has none.
struct Decomposition {
    ComplexMatrix target;
    std::vector<ComplexMatrix> factors;
    std::vector<std::string> stepNames;
};

}  // namespace selvaris
