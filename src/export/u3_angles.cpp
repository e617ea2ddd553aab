#include "export/u3_angles.h"

#include <cmath>
#include <numbers>

namespace selvaris {

double WrapAngle(double angle) {
    const double wrapped = std::remainder(angle, 2.0 * std::numbers::pi);
    return wrapped <= -std::numbers::pi ? std::numbers::pi : wrapped;
}

Block2 U3Block(const U3Angles& a) {
    const double c = std::cos(a.theta / 2.0);
    const double s = std::sin(a.theta / 2.0);
    const auto turn = [](double angle) { return std::polar(1.0, angle); };
    Block2 block;
    block[0][0] = turn(a.phase) * c;
    block[0][1] = -turn(a.phase + a.lambda) * s;
    block[1][0] = turn(a.phase + a.phi) * s;
    block[1][1] = turn(a.phase + a.phi + a.lambda) * c;
    return block;
}

std::optional<U3Angles> FitU3(const Block2& block, double tolerance) {
    // The phase rides on the (0,0) element; an argument read from a tiny
    // element is imprecise, but so is its weight in the product, so the
    // rebuilt block stays within rounding either way.
    U3Angles a;
    a.theta = 2.0 * std::atan2(std::abs(block[1][0]), std::abs(block[0][0]));
    a.phase = WrapAngle(std::arg(block[0][0]));
    a.phi = WrapAngle(std::arg(block[1][0]) - a.phase);
    a.lambda = WrapAngle(std::arg(-block[0][1]) - a.phase);

    const Block2 rebuilt = U3Block(a);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) {
            const std::complex<double> d = rebuilt[r][c] - block[r][c];
            // Written so that NaN fails.
            if (!(std::abs(d.real()) <= tolerance && std::abs(d.imag()) <= tolerance)) return std::nullopt;
        }
    return a;
}

}  // namespace selvaris
