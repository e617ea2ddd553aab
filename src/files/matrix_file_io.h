#pragma once

#include <optional>
#include <string>

#include "core/complex_matrix.h"

namespace selvaris {

// A matrix read from a file, or why there is none (a short Japanese reason).
struct MatrixFileRead {
    std::optional<ComplexMatrix> matrix;
    std::string failure;
};

// Reads the first 256 bytes of a regular file; anything after them is ignored.
// A file that is shorter or that holds NaN or an infinite value is refused.
MatrixFileRead ReadMatrixFile(const std::string& path);

// What is already at the path a matrix is about to be saved under.
struct SaveTarget {
    enum class Kind { Missing, EmptyFile, NonEmptyFile, Refused };
    Kind kind = Kind::Refused;
    std::string failure;  // why saving there is refused, for Kind::Refused
};

SaveTarget InspectSaveTarget(const std::string& path);

// Writes the matrix as a complete 256-byte file, through ReplaceFileContents:
// a failure at any point leaves the old file as it was. Returns the reason of
// a failure, or nothing on success.
std::optional<std::string> WriteMatrixFile(const std::string& path, const ComplexMatrix& matrix);

}  // namespace selvaris
