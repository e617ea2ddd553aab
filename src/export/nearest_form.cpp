#include "export/nearest_form.h"

#include <cmath>
#include <complex>
#include <optional>

#include "export/reconstruction.h"
#include "export/u3_angles.h"
#include "export/unitary_scale.h"

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

// A gate of some form near m. Only the chosen one's form is spelled out.
struct Candidate {
    int wire = -1;       // a single-qubit gate on this wire
    int p = -1, q = -1;  // a two-level gate on these states; neither: the diagonal
    ComplexMatrix gate;
};

std::string FormName(const Candidate& candidate) {
    if (candidate.wire >= 0) return "nearest single-qubit gate on q[" + std::to_string(candidate.wire) + "]";
    if (candidate.p >= 0)
        return "nearest two-level gate on states " + std::to_string(candidate.p) + " and " +
               std::to_string(candidate.q);
    return "nearest diagonal";
}

constexpr int kMostCandidates = 7;

int Candidates(const ComplexMatrix& m, Candidate (&found)[kMostCandidates]) {
    int count = 0;
    ComplexMatrix diagonal{};
    for (int k = 0; k < 4; ++k) Set(diagonal, k, k, std::polar(1.0, std::arg(At(m, k, k))));
    found[count++] = {-1, -1, -1, diagonal};

    for (int wire = 0; wire < 2; ++wire) {
        const int bit = 1 << wire;
        const int other = 1 << (1 - wire);
        const Block2 low = BlockOn(m, 0, bit);
        const Block2 high = BlockOn(m, other, other | bit);
        Block2 mean;
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 2; ++c) mean[r][c] = 0.5 * (low[r][c] + high[r][c]);
        if (const auto u = PolarFactor(mean))
            found[count++] = {wire, -1, -1, ComplexProduct(TwoLevel(*u, 0, bit), TwoLevel(*u, other, other | bit))};
    }

    const int pairs[4][2] = {{0, 1}, {2, 3}, {0, 2}, {1, 3}};
    for (const auto& pair : pairs)
        if (const auto u = PolarFactor(BlockOn(m, pair[0], pair[1])))
            found[count++] = {-1, pair[0], pair[1], TwoLevel(*u, pair[0], pair[1])};
    return count;
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
    Candidate candidates[kMostCandidates];
    const int count = Candidates(m, candidates);
    for (int k = 0; k < count; ++k) {
        const double distance = LargestDifference(candidates[k].gate, m);
        if (distance <= kNearFormLimit && (!best || distance < bestDistance)) {
            best = &candidates[k];
            bestDistance = distance;
        }
    }
    if (best) return {FormName(*best), {best->gate}};
    return ClearedByDefaultPlan(m);
}

std::optional<NearestForms> NearestFactorForms(const ComplexMatrix& factor) {
    const double scale = UnitaryScale(factor);
    if (!factor.IsFinite() || !std::isfinite(scale) || !(scale > 0.0)) return std::nullopt;
    NearestGates nearest = NearestGatesFor(DividedBy(factor, scale));
    NearestForms out{std::move(nearest.form), scale, {}};
    out.parts.reserve(nearest.parts.size());
    for (std::size_t k = nearest.parts.size(); k-- > 0;) {
        out.parts.push_back(FindFactorForm(nearest.parts[k]));
        if (out.parts.back().kind == FactorKind::Refused) break;
    }
    return out;
}

std::optional<FactorGates> NearestFactorGates(const ComplexMatrix& factor) {
    const std::optional<NearestForms> nearest = NearestFactorForms(factor);
    if (!nearest) return std::nullopt;
    FactorGates out;
    out.form = nearest->form;
    out.scale = nearest->scale;
    for (const FactorForm& form : nearest->parts) {
        const FactorGates part = GatesOf(form);
        if (!part.refusal.empty()) return part;
        out.gates.insert(out.gates.end(), part.gates.begin(), part.gates.end());
        out.drawn.insert(out.drawn.end(), part.drawn.begin(), part.drawn.end());
        out.phase += part.phase;
    }
    return out;
}

}  // namespace selvaris
