#pragma once

#include <cmath>

namespace selvaris::ui {

// 15 twips per pixel at 96 dpi, times one uniform scale so that a matrix box
// holds four lines of four 19-character cells in a legible fixed-pitch font.
inline constexpr double kUiScale = 1.5;
inline constexpr double kTwipsPerPixel = 15.0 / kUiScale;

inline int TwipsToPixels(int twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline int PixelsToTwips(int pixels) { return static_cast<int>(std::lround(pixels * kTwipsPerPixel)); }

// Fonts: captions need CJK glyphs, matrix text a fixed pitch.
inline constexpr const char* kCaptionFontFamily = "IPAGothic";
inline constexpr int kCaptionPixelSize = 14;
inline constexpr const char* kMatrixFontFamily = "DejaVu Sans Mono";
inline constexpr int kMatrixPixelSize = 12;

}  // namespace selvaris::ui
