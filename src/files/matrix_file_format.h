#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/complex_matrix.h"

namespace selvaris {

// A matrix file holds one complex 4x4 matrix as 32 little-endian doubles:
// all real parts, then all imaginary parts, each half row by row, so part k of
// element (r, c) sits at byte 8 * (16k + 4r + c). There is no header.
inline constexpr std::size_t kMatrixFileBytes = 256;
inline constexpr const char* kMatrixFileExtension = ".gyo";

using MatrixFileBytes = std::array<std::uint8_t, kMatrixFileBytes>;

// Byte offset of part (0 real, 1 imaginary) of element (row, column); for a
// part, row or column out of range, kMatrixFileBytes, an offset inside no file.
constexpr std::size_t MatrixFileOffset(int part, int row, int column) {
    if (part < 0 || part > 1 || !IsMatrixIndex(row) || !IsMatrixIndex(column)) return kMatrixFileBytes;
    return 8 * static_cast<std::size_t>(16 * part + 4 * row + column);
}

// Both directions keep every bit (NaN payloads and signed zeros included)
// and give the same bytes on any host byte order.
MatrixFileBytes EncodeMatrixFile(const ComplexMatrix& matrix);
ComplexMatrix DecodeMatrixFile(const MatrixFileBytes& bytes);

}  // namespace selvaris
