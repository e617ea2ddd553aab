#pragma once

#include "core/platform.h"
#include "core/shared_registers.h"

namespace selvaris {

// Shown (title "1" or "2", the diagonal position) when the last factorisation
// has to replace a tiny divisor |U(g,g)|^2 by its floor.
inline constexpr const char* kSmallDiagonalMessage = "小さすぎる対角要素があります";
// Shown (title "メッセージ") when the matrix has no inverse this elimination can form.
inline constexpr const char* kNotInvertibleMessage = "この行列は逆行列を持ちません";
inline constexpr const char* kNotInvertibleTitle = "メッセージ";

// Squared modulus below which a diagonal element of U is floored as a divisor.
inline constexpr double kDiagonalFloor = 0.01;

// Inverts InverseSource into InverseResult through FactorizeLU, the inverses of
// the triangular factors and the undoing of the row exchanges. InverseSource is
// not changed. Returns false, after the "not invertible" message, when the input
// holds NaN or infinity, column 0 is zero, a diagonal element of U is zero, or the
// result would not be finite; InverseResult is then the identity, so no caller
// ever multiplies with a half-computed matrix.
bool InvertMatrix(SharedRegisters& registers, Platform& platform);

// LU factorisation with row exchanges of EliminationMatrix: on return it holds
// the rows as exchanged (P x M), EliminationWorkA holds L (unit diagonal) and
// EliminationWorkB holds U; each exchange is appended to PivotIndex, which the
// caller must have filled with -1. Returns false, with L and U untouched, when
// the chosen U(0,0) is zero (column 0 all zero) or not a number.
bool FactorizeLU(SharedRegisters& registers, Platform& platform);

}  // namespace selvaris
