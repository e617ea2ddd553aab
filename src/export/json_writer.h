#pragma once

#include <string>

#include "export/decomposition.h"

namespace selvaris {

// The decomposition as JSON: the target, its scale, the reconstruction error,
// how far the OpenQASM circuit is from the target over s when some factor had
// to be written as its nearest gates, the CNOTs of the circuit's CNOT form and
// the fewest any circuit needs, every factor and every step's name. A matrix is four rows of four [re, im]
// pairs; every number is written so that it reads back as the same double
// (a value that is not finite, which JSON cannot hold, as null).
std::string WriteJson(const Decomposition& decomposition);

}  // namespace selvaris
