#include "export/nearest_form.h"

#include <cmath>
#include <complex>
#include <optional>

#include "export/reconstruction.h"
#include "export/u3_angles.h"

namespace selvaris {
namespace {

using Complex = std::complex<double>;

Complex At(const ComplexMatrix& m, int r, int c) { return {m.re(r, c), m.im(r, c)}; }

void Set(ComplexMatrix& m, int r, int c, Complex z) {
    m.re(r, c) = z.real();
    m.im(r, c) = z.imag();
}

Block2 BlockOn(const ComplexMatrix& m, int p, int q) {
    return {{{At(m, p, p), At(m, p, q)}, {At(m, q, p), At(m, q, q)}}};
}

// The identity with block on states p and q.
ComplexMatrix TwoLevel(const Block2& block, int p, int q) {
    ComplexMatrix g = ComplexMatrix::Identity();
    const int states[2] = {p, q};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) Set(g, states[r], states[c], block[r][c]);
    return g;
}

// For a 2x2 matrix b = W S V-dagger, the unitary W V-dagger: with t the phase
// of det b, b + t adj(b)-dagger = (s1 + s2) W V-dagger.
std::optional<Block2> PolarFactor(const Block2& b) {
    const Complex det = b[0][0] * b[1][1] - b[0][1] * b[1][0];
    const Complex turn = std::abs(det) > 0.0 ? det / std::abs(det) : Complex(1.0);
    Block2 u = {{{b[0][0] + turn * std::conj(b[1][1]), b[0][1] - turn * std::conj(b[1][0])},
                 {b[1][0] - turn * std::conj(b[0][1]), b[1][1] + turn * std::conj(b[0][0])}}};
    const double size = std::sqrt(std::norm(u[0][0]) + std::norm(u[1][0]));
    if (!std::isfinite(size) || size < 1e-150) return std::nullopt;
    for (auto& row : u)
        for (Complex& z : row) z /= size;
    // A singular block has no unique polar factor, and the sum may not be one.
    const Complex cross = u[0][0] * std::conj(u[0][1]) + u[1][0] * std::conj(u[1][1]);
    const double second = std::norm(u[0][1]) + std::norm(u[1][1]);
    if (!(std::abs(cross) < 1e-12 && std::abs(second - 1.0) < 1e-12)) return std::nullopt;
    return u;
}

struct Candidate {
    std::string form;
    ComplexMatrix gate;
};

std::vector<Candidate> Candidates(const ComplexMatrix& m) {
    std::vector<Candidate> found;
    ComplexMatrix diagonal{};
    for (int k = 0; k < 4; ++k) Set(diagonal, k, k, std::polar(1.0, std::arg(At(m, k, k))));
    found.push_back({"nearest diagonal", diagonal});

    for (int wire = 0; wire < 2; ++wire) {
        const int bit = 1 << wire;
        const int other = 1 << (1 - wire);
        const Block2 low = BlockOn(m, 0, bit);
        const Block2 high = BlockOn(m, other, other | bit);
        Block2 mean;
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 2; ++c) mean[r][c] = 0.5 * (low[r][c] + high[r][c]);
        if (const auto u = PolarFactor(mean))
            found.push_back({"nearest single-qubit gate on q[" + std::to_string(wire) + "]",
                             ComplexProduct(TwoLevel(*u, 0, bit), TwoLevel(*u, other, other | bit))});
    }

    const int pairs[4][2] = {{0, 1}, {2, 3}, {0, 2}, {1, 3}};
    for (const auto& pair : pairs)
        if (const auto u = PolarFactor(BlockOn(m, pair[0], pair[1])))
            found.push_back({"nearest two-level gate on states " + std::to_string(pair[0]) + " and " +
                                 std::to_string(pair[1]),
                             TwoLevel(*u, pair[0], pair[1])});
    return found;
}

// Clears a below the diagonal; a = parts[0] x ... x parts[6] afterwards.
NearestGates ClearedByDefaultPlan(ComplexMatrix a) {
    // Cell (row, column) and the row that takes its weight: one bit apart,
    // and zero in every column cleared before, so no cleared cell refills.
    const int plan[6][3] = {{3, 0, 2}, {2, 0, 0}, {1, 0, 0}, {2, 1, 3}, {3, 1, 1}, {3, 2, 2}};
    NearestGates out;
    out.form = "two-level gates of the default plan";
    for (const auto& step : plan) {
        const int row = step[0], column = step[1], keeper = step[2];
        const Complex x = At(a, keeper, column);
        const Complex y = At(a, row, column);
        const double n = std::hypot(std::abs(x), std::abs(y));
        if (!(n > 0.0) || !std::isfinite(n)) continue;
        const Block2 v = {{{std::conj(x) / n, std::conj(y) / n}, {-y / n, x / n}}};
        const ComplexMatrix gate = TwoLevel(v, keeper, row);
        a = ComplexProduct(gate, a);
        out.parts.push_back(Adjoint(gate));
    }
    ComplexMatrix phases{};
    for (int k = 0; k < 4; ++k) Set(phases, k, k, std::polar(1.0, std::arg(At(a, k, k))));
    out.parts.push_back(phases);
    return out;
}

}  // namespace

NearestGates NearestGatesFor(const ComplexMatrix& m) {
    const Candidate* best = nullptr;
    double bestDistance = 0.0;
    const std::vector<Candidate> candidates = Candidates(m);
    for (const Candidate& candidate : candidates) {
        const double distance = LargestDifference(candidate.gate, m);
        if (distance <= kNearFormLimit && (!best || distance < bestDistance)) {
            best = &candidate;
            bestDistance = distance;
        }
    }
    if (best) return {best->form, {best->gate}};
    return ClearedByDefaultPlan(m);
}

}  // namespace selvaris
