#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/colour.h"

namespace selvaris {

// One drawing step of a picture box, in twips from the box's top-left corner.
enum class PrimitiveKind {
    Clear,          // erase the whole box to its background
    Line,           // (x1, y1) to (x2, y2)
    CircleOutline,  // centre (x1, y1), radius
    FilledRect,     // corners (x1, y1) and (x2, y2)
    RectOutline,    // corners (x1, y1) and (x2, y2)
    FilledCircle,   // centre (x1, y1), radius
    Text,           // text centred in the box (x1, y1)-(x2, y2), its characters radius twips high
};

struct DrawPrimitive {
    PrimitiveKind kind = PrimitiveKind::Clear;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int radius = 0;
    Colour colour = kBlack;
    std::string text = {};  // Text only

    bool operator==(const DrawPrimitive&) const = default;
};

using Drawing = std::vector<DrawPrimitive>;

inline DrawPrimitive ClearPrimitive() { return {PrimitiveKind::Clear, 0, 0, 0, 0, 0, kWhite}; }
inline DrawPrimitive LinePrimitive(int x1, int y1, int x2, int y2, Colour c) {
    return {PrimitiveKind::Line, x1, y1, x2, y2, 0, c};
}
inline DrawPrimitive CirclePrimitive(int x, int y, int radius, Colour c) {
    return {PrimitiveKind::CircleOutline, x, y, 0, 0, radius, c};
}
inline DrawPrimitive FilledRectPrimitive(int x1, int y1, int x2, int y2, Colour c) {
    return {PrimitiveKind::FilledRect, x1, y1, x2, y2, 0, c};
}
inline DrawPrimitive RectOutlinePrimitive(int x1, int y1, int x2, int y2, Colour c) {
    return {PrimitiveKind::RectOutline, x1, y1, x2, y2, 0, c};
}
inline DrawPrimitive FilledCirclePrimitive(int x, int y, int radius, Colour c) {
    return {PrimitiveKind::FilledCircle, x, y, 0, 0, radius, c};
}
inline DrawPrimitive TextPrimitive(int x1, int y1, int x2, int y2, int height, Colour c, std::string text) {
    return {PrimitiveKind::Text, x1, y1, x2, y2, height, c, std::move(text)};
}

}  // namespace selvaris
