#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "files/matrix_file_io.h"

namespace selvaris {

// A program is text written by hand or by another tool; anything longer is
// not one worth multiplying out.
inline constexpr std::size_t kQasmFileLimit = 1 << 20;

// The unitary of an OpenQASM 2.0 program on one two-qubit register, or why it
// has none ("3 行目：…"). q[0] is the low-order bit of the state index, and a
// gate written later multiplies from the left. Gates are those of qelib1.inc;
// barrier is ignored; measure, reset, if, opaque and gate definitions are
// refused, as they have no matrix or would need a whole language.
MatrixFileRead ReadQasmText(std::string_view text);

// ReadQasmText on the contents of a regular file of at most kQasmFileLimit bytes.
MatrixFileRead ReadQasmFile(const std::string& path);

}  // namespace selvaris
