#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/complex_matrix.h"
#include "export/factor_form.h"
#include "export/factor_gates.h"

namespace selvaris {

// Elements of a factor (divided by its scale) that differ from the nearest
// gate of some form by no more than this are read as noise of a typed matrix:
// four typed decimals leave about 1e-4, while a factor of no simpler form is
// off by far more than this from every gate form.
inline constexpr double kNearFormLimit = 1e-2;

// Exactly unitary matrices, each of a form the OpenQASM writer knows, whose
// product parts[0] x parts[1] x ... stands for a factor that is not exactly of
// such a form. form says which, for the program's comment.
struct NearestGates {
    std::string form;
    std::vector<ComplexMatrix> parts;
};

// For m, a factor divided by its scale: the diagonal unitary with the phases
// of its diagonal, or the unitary polar factor of its 2x2 block as a
// single-qubit or two-level gate, whichever is nearest, when it is within
// kNearFormLimit; else m cleared below its diagonal in the default plan's
// order (cells (3,0), (2,0), (1,0), (2,1), (3,1), (3,2)) by two-level gates on
// states that differ in one bit, and the phases of what is left.
NearestGates NearestGatesFor(const ComplexMatrix& m);

// A factor of no exact gate form as the forms of its nearest parts, in the
// order their gates act (the last part first) and up to the first that has
// no form; nothing when the factor holds NaN or infinity or is zero, so that
// it has no nearest gates.
struct NearestForms {
    std::string form;
    double scale = 1.0;
    std::vector<FactorForm> parts;
};
std::optional<NearestForms> NearestFactorForms(const ComplexMatrix& factor);

// The same written out as gates, or as the refusal of a part with no form.
std::optional<FactorGates> NearestFactorGates(const ComplexMatrix& factor);

}  // namespace selvaris
