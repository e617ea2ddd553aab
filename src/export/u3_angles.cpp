#include "export/u3_angles.h"

#include <cmath>
#include <numbers>

namespace selvaris {

double WrapAngle(double angle) {
    // remainder gives these back unchanged; most angles are arguments already in range.
    if (std::abs(angle) < std::numbers::pi) return angle;
    const double wrapped = std::remainder(angle, 2.0 * std::numbers::pi);
    return wrapped <= -std::numbers::pi ? std::numbers::pi : wrapped;
}

namespace {

// polar(1, +-0) is (1, +-0), without the library's sincos.
std::complex<double> Turn(double angle) {
    return angle == 0.0 ? std::complex<double>(1.0, angle) : std::polar(1.0, angle);
}

Block2 Rebuilt(const U3Angles& a, double c, double s, std::complex<double> phaseTurn) {
    Block2 block;
    block[0][0] = phaseTurn * c;
    block[0][1] = -Turn(a.phase + a.lambda) * s;
    block[1][0] = Turn(a.phase + a.phi) * s;
    block[1][1] = Turn(a.phase + a.phi + a.lambda) * c;
    return block;
}

}  // namespace

Block2 U3Block(const U3Angles& a) { return U3Block(a, std::cos(a.theta / 2.0), std::sin(a.theta / 2.0)); }

Block2 U3Block(const U3Angles& a, double cosHalf, double sinHalf) {
    return Rebuilt(a, cosHalf, sinHalf, Turn(a.phase));
}

std::optional<U3Angles> FitU3(const Block2& block, double tolerance) {
    U3Fit fit;
    if (!FitU3Parts(block, tolerance, fit)) return std::nullopt;
    return fit.angles;
}

bool FitU3Parts(const Block2& block, double tolerance, U3Fit& fit) {
    // The phase rides on the (0,0) element; an argument read from a tiny
    // element is imprecise, but so is its weight in the product, so the
    // rebuilt block stays within rounding either way.
    U3Angles& a = fit.angles;
    a.theta = 2.0 * std::atan2(std::abs(block[1][0]), std::abs(block[0][0]));
    a.phase = WrapAngle(std::arg(block[0][0]));
    a.phi = WrapAngle(std::arg(block[1][0]) - a.phase);
    a.lambda = WrapAngle(std::arg(-block[0][1]) - a.phase);
    fit.cosHalf = std::cos(a.theta / 2.0);
    fit.sinHalf = std::sin(a.theta / 2.0);
    fit.phaseTurn = Turn(a.phase);

    fit.block = Rebuilt(a, fit.cosHalf, fit.sinHalf, fit.phaseTurn);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) {
            const std::complex<double> d = fit.block[r][c] - block[r][c];
            // Written so that NaN fails.
            if (!(std::abs(d.real()) <= tolerance && std::abs(d.imag()) <= tolerance)) return false;
        }
    return true;
}

}  // namespace selvaris
