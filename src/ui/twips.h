#pragma once

#include <cmath>

#include "ui/window_scale.h"

namespace selvaris::ui {

// 15 twips per pixel at 96 dpi, times the uniform UI scale (window_scale.h); at
// 1.5 a matrix box holds four lines of four 19-character cells in a legible
// fixed-pitch font, and the fonts shrink with the scale so they still do.
inline double TwipsPerPixel() { return 15.0 / UiScale(); }

inline int TwipsToPixels(int twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel())); }
inline int PixelsToTwips(int pixels) { return static_cast<int>(std::lround(pixels * TwipsPerPixel())); }

// Fonts: captions need CJK glyphs, matrix text a fixed pitch. Sizes in pixels at scale 1.5.
inline constexpr const char* kCaptionFontFamily = "IPAGothic";
inline constexpr int kCaptionPixelSizeAtLargestScale = 14;
inline constexpr const char* kMatrixFontFamily = "DejaVu Sans Mono";
inline constexpr int kMatrixPixelSizeAtLargestScale = 12;

inline int ScaledFontPixels(int atLargestScale) {
    return static_cast<int>(std::lround(atLargestScale * UiScale() / kSupportedUiScales[0]));
}
inline int CaptionPixelSize() { return ScaledFontPixels(kCaptionPixelSizeAtLargestScale); }
// Rounded down: at a scale between the supported ones a matrix must still fit its box.
inline int MatrixPixelSize() {
    return static_cast<int>(std::floor(kMatrixPixelSizeAtLargestScale * UiScale() / kSupportedUiScales[0] + 1e-9));
}

}  // namespace selvaris::ui
