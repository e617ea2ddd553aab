#pragma once

#include <string>

#include "files/matrix_file_io.h"

namespace selvaris {

// What the file dialog for a target offers.
inline constexpr const char* kTargetFileFilter = "*.gyo *.npy *.qasm";

// A target matrix from a file, read by its ending in any letter case: NumPy's
// ".npy", an OpenQASM 2.0 ".qasm" program's unitary, and otherwise the
// program's own 256-byte matrix file.
MatrixFileRead ReadTargetFile(const std::string& path);

}  // namespace selvaris
