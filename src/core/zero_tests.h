#pragma once

namespace selvaris {

// The one threshold of every zero and equality test.
inline constexpr double kTolerance = 0.001;

// Cell colouring: exactly +-t counts as nonzero.
inline bool IsNonzeroForCell(double re, double im, double t) {
    return re >= t || re <= -t || im >= t || im <= -t;
}

// Classification and grid painting: exactly +-t counts as zero.
inline bool IsZeroForClassification(double re, double im, double t) {
    return -t <= re && re <= t && -t <= im && im <= t;
}

// Classification equality: each part of a lies within [b - t, b + t].
inline bool IsEqualForClassification(double are, double aim, double bre, double bim, double t) {
    return bre - t <= are && are <= bre + t && bim - t <= aim && aim <= bim + t;
}

}  // namespace selvaris
