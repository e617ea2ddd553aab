#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>

#include "entry/builtin_matrices.h"
#include "export/circuit.h"
#include "support/matrix_builders.h"
#include "workbench_decomposition.h"

namespace selvaris {
namespace {

using testing::RandomUnitary;

// FNV-1a over the bits of everything a circuit holds.
struct Digest {
    std::uint64_t value = 14695981039346656037ull;
    void Bytes(const void* data, std::size_t size) {
        for (std::size_t k = 0; k < size; ++k)
            value = (value ^ static_cast<const unsigned char*>(data)[k]) * 1099511628211ull;
    }
    template <typename T>
    void Add(T x) {
        Bytes(&x, sizeof x);
    }
    void Add(const std::string& s) {
        Add(s.size());
        Bytes(s.data(), s.size());
    }
    void Add(const QasmGate& g) {
        Add(g.name);
        for (double a : g.angles) Add(a);
        for (int q : g.qubits) Add(q);
    }
    void Add(const CircuitGate& g) {
        Bytes(&g.block, sizeof g.block);
        Add(g.target);
        Add(g.control);
        Add(g.openControl);
        Add(g.factor);
    }
    template <typename T>
    void AddAll(const std::vector<T>& list) {
        Add(list.size());
        for (const T& x : list) Add(x);
    }
    void AddErrorParts(const Circuit& c) {
        for (double x : {c.scale, c.phase, c.error}) Add(x);
        Add(c.exact);
        Add(c.approximated);
        AddAll(c.problems);
    }
    void AddEverything(const Circuit& c) {
        AddErrorParts(c);
        for (const FactorGates& f : c.factors) {
            Add(f.form);
            AddAll(f.gates);
            AddAll(f.drawn);
            Add(f.phase);
            Add(f.scale);
            Add(f.refusal);
        }
        AddAll(c.twoLevelDrawn);
        AddAll(c.cxDrawn);
        Add(c.cnotCount);
        Add(c.cnotMinimum);
        for (const PlacedGate& g : c.cxGates) {
            Add(g.gate);
            Add(g.factor);
        }
    }
};

ComplexMatrix Scaled(ComplexMatrix m, double s) {
    for (auto& row : m.v)
        for (auto& element : row)
            for (double& part : element) part *= s;
    return m;
}

ComplexMatrix Diagonal(std::complex<double> d0, std::complex<double> d3) {
    return testing::Make({{0, 0, d0.real(), d0.imag()}, {1, 1, 1, 0}, {2, 2, 1, 0}, {3, 3, d3.real(), d3.imag()}});
}

std::complex<double> Turn(std::mt19937_64& rng) {
    return std::polar(1.0, std::uniform_real_distribution<double>(-4, 4)(rng));
}

Decomposition WithNoise(std::mt19937_64& rng) {
    Decomposition d = testing::DecomposeLikeWorkbench(RandomUnitary(rng));
    const double sizes[] = {1e-13, 1e-7, 1e-3, 0.3};
    const double size = sizes[rng() % 4];
    ComplexMatrix& factor = d.factors[rng() % d.factors.size()];
    for (int n = 0; n < 3; ++n) factor.v[rng() % 4][rng() % 4][rng() % 2] += size;
    return d;
}

Decomposition Named(std::mt19937_64& rng) {
    const double h = testing::kInvSqrt2;
    const std::complex<double> d0 = Turn(rng);
    const ComplexMatrix named[] = {
        QftMatrix(),
        IqftMatrix(),
        TestMatrix(),
        ComplexMatrix::Identity(),
        Scaled(ComplexMatrix::Identity(), -1),
        Diagonal(1, std::polar(1.0, 1e-16)),
        Diagonal(d0, Turn(rng)),
        Scaled(Diagonal(-1, {0, 1}), 3),
        testing::Make({{0, 0, 1, 0}, {1, 1, 1, 0}, {2, 3, 1, 0}, {3, 2, 1, 0}}),
        testing::Make({{0, 0, 1, 0}, {1, 2, 1, 0}, {2, 1, 1, 0}, {3, 3, 1, 0}}),
        testing::Make({{0, 0, h, 0}, {0, 1, h, 0}, {1, 0, h, 0}, {1, 1, -h, 0}, {2, 2, 0, 1}, {3, 3, 1, 0}}),
    };
    const std::complex<double> corners[] = {{0, -1}, 1, {0, 1}, Turn(rng)};
    const ComplexMatrix& target = named[rng() % std::size(named)];
    return testing::DecomposeLikeWorkbench(target, corners[rng() % 4]);
}

Decomposition Broken(std::mt19937_64& rng) {
    Decomposition d = testing::DecomposeLikeWorkbench(RandomUnitary(rng));
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const ComplexMatrix broken[] = {ComplexMatrix(), Diagonal(2, 1), testing::Make({{1, 2, nan, 0}}),
                                    testing::Make({{3, 0, 0, inf}})};
    if (rng() % 5 == 0) d.factors.clear();
    for (ComplexMatrix& factor : d.factors)
        if (rng() % 3 == 0) factor = broken[rng() % 4];
    return d;
}

// Pinned from the circuit as the export has always built it, with this libm.
TEST(CircuitDigest, EveryBitOfTheCircuitStaysAsItWas) {
    const struct {
        const char* label;
        int count;
        std::function<Decomposition(std::mt19937_64&)> make;
        std::uint64_t errorParts, everything;
    } families[] = {
        {"random unitaries", 1500, [](auto& rng) { return testing::DecomposeLikeWorkbench(RandomUnitary(rng)); },
         15983702203727645132u, 15187037535715654712u},
        {"typed with four decimals", 300,
         [](auto& rng) { return testing::DecomposeLikeWorkbench(testing::FourDecimals(RandomUnitary(rng))); },
         5465286312433656016u, 6694688370436960290u},
        {"single-qubit steps, any corner", 400,
         [](auto& rng) {
             const ComplexMatrix u = RandomUnitary(rng);
             const std::complex<double> corner = Turn(rng);
             const int first = int(rng() % 6);
             return testing::DecomposeLikeWorkbench(u, corner, {first, int(rng() % 6)});
         },
         4953875995383296311u, 12265394711757794812u},
        {"scaled targets", 300,
         [](auto& rng) {
             const double scales[] = {2.0, 1e-3, 3e150, 1e-160};
             return testing::DecomposeLikeWorkbench(Scaled(RandomUnitary(rng), scales[rng() % 4]));
         },
         8753936297512183866u, 15888235195480153415u},
        {"factors off their forms", 600, WithNoise, 5850401728365626524u, 15184742797537811946u},
        {"named matrices", 200, Named, 5267488521623613257u, 7295914069548308583u},
        {"broken factors", 100, Broken, 1543395517956891412u, 9612046657486757918u},
    };
    std::mt19937_64 rng(20250611);
    for (const auto& family : families) {
        Digest errorParts, everything;
        for (int n = 0; n < family.count; ++n) {
            const Decomposition d = family.make(rng);
            errorParts.AddErrorParts(BuildCircuit(d, CircuitParts::ErrorOnly));
            everything.AddEverything(BuildCircuit(d));
        }
        EXPECT_EQ(errorParts.value, family.errorParts) << family.label;
        EXPECT_EQ(everything.value, family.everything) << family.label;
    }
}

}  // namespace
}  // namespace selvaris
