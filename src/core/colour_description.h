#pragma once

#include <string>

#include "core/colour.h"

namespace selvaris {

// What a label's back colour tells a sighted user, in words a screen reader can
// say instead (cell grid: nonzero, zero, picked; gate grids: the gate's pattern,
// or not in use). "" for a colour that carries no meaning.
std::string ColourDescription(Colour colour);

}  // namespace selvaris
