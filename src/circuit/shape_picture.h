#pragma once

#include <optional>
#include <string>

#include "circuit/gate_shape.h"
#include "core/platform.h"
#include "core/shared_registers.h"
#include "core/window.h"

namespace selvaris {

// Shown when the picture test box does not hold a whole number in the 16-bit range.
inline constexpr const char* kShapeCodeMessage = "図の番号には -32768 から 32767 までの整数を入力してください";
inline constexpr const char* kShapeCodeTitle = "メッセージ";

// A whole number in -32768..32767: optional spaces, an optional sign and decimal
// digits. Anything else (empty, fractions, exponents, hex, stray characters,
// out of range) gives nothing.
std::optional<GateShape> ParseShapeCode(const std::string& text);

// Draws a code into a picture box: the clear, then the picture of the code.
void DrawShapeInto(Window& form, ControlName picture, GateShape shape);

// The hidden picture test: the code typed in Textd1 drawn into Picture1. Text
// that is no code is refused with a message and leaves the picture as it was.
bool DrawTypedShape(Window& form, Platform& platform);

// The picture of the factor in ShowMatrix, in Picture2; a matrix that fits no
// picture leaves the box cleared.
void ShowFactorShape(const SharedRegisters& registers, double tolerance, Window& form);

}  // namespace selvaris
