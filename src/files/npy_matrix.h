#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "files/matrix_file_io.h"

namespace selvaris {

// NumPy's .npy files of versions 1.0, 2.0 and 3.0 holding one 4x4 array of
// complex128 or float64 (imaginary parts 0), either byte order, row- or
// column-major, and nothing after the 16 elements. Anything else is refused
// with a short Japanese reason saying what the file holds instead.
inline constexpr const char* kNpyExtension = ".npy";
// Far beyond any header a 4x4 array needs, so a hostile length costs nothing.
inline constexpr std::size_t kNpyMaxHeaderBytes = 64 * 1024;
// A 4x4 array takes a few hundred bytes; the cap only keeps a huge file from
// being read whole.
inline constexpr std::size_t kNpyMaxFileBytes = 1024 * 1024;

// The 4x4 matrix a NumPy .npy file holds, or why it holds none.
MatrixFileRead ReadNpyBytes(std::string_view bytes);
MatrixFileRead ReadNpyFile(const std::string& path);

}  // namespace selvaris
