#pragma once

#include <cmath>

namespace selvaris::testing {

// The snap of the matrix text as first written, kept plain for the tests to
// compare against: the remainder found by subtracting 10000s, 1000s, 100s,
// 10s and 1s, then a value within 0.0002 of a whole number moved onto it.
inline double ReferenceSnap(double x) {
    const double a = std::fabs(x);
    double rest = a;
    for (double step : {10000.0, 1000.0, 100.0, 10.0, 1.0})
        while (rest > step) rest -= step;
    double v = a;
    if (rest <= 0.0002)
        v = std::floor(a);
    else if (rest + 0.0002 >= 1)
        v = std::floor(a + 0.0002);
    return v * (x >= 0 ? 1 : -1);
}

}  // namespace selvaris::testing
