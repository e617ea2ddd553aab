#pragma once

#include <array>
#include <complex>
#include <optional>

namespace selvaris {

using Block2 = std::array<std::array<std::complex<double>, 2>, 2>;

// block = e^{i phase} u3(theta, phi, lambda), with
// u3 = [[cos t/2, -e^{i lambda} sin t/2], [e^{i phi} sin t/2, e^{i(phi+lambda)} cos t/2]].
struct U3Angles {
    double theta = 0.0;
    double phi = 0.0;
    double lambda = 0.0;
    double phase = 0.0;
};

Block2 U3Block(const U3Angles& angles);
// The same, given cos(theta/2) and sin(theta/2).
Block2 U3Block(const U3Angles& angles, double cosHalf, double sinHalf);

// The angles of a 2x2 unitary block, or nothing when the block rebuilt from
// them differs from the given one by more than tolerance in any part (a block
// that is not unitary, or holds NaN). Angles lie in (-pi, pi], theta in [0, pi].
std::optional<U3Angles> FitU3(const Block2& block, double tolerance);

// FitU3 with what it worked out on the way, which blocks of the same angles
// share: U3Block(angles) itself, cos(theta/2), sin(theta/2) and e^{i phase}.
struct U3Fit {
    U3Angles angles;
    Block2 block{};
    double cosHalf = 1.0;
    double sinHalf = 0.0;
    std::complex<double> phaseTurn = 1.0;
};
// True when the block fits; fit is written either way.
bool FitU3Parts(const Block2& block, double tolerance, U3Fit& fit);

// The same angle in (-pi, pi].
double WrapAngle(double angle);

}  // namespace selvaris
