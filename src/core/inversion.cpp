#include "core/inversion.h"

#include <cmath>
#include <string>
#include <utility>

namespace selvaris {
namespace {

// Complex arithmetic in the written order of operations, so that results do not
// depend on how a library chooses to divide.
struct Complex {
    double re = 0.0;
    double im = 0.0;
};

Complex At(const ComplexMatrix& m, int row, int column) { return {m.re(row, column), m.im(row, column)}; }

void Put(ComplexMatrix& m, int row, int column, Complex z) {
    m.re(row, column) = z.re;
    m.im(row, column) = z.im;
}

Complex Add(Complex a, Complex b) { return {a.re + b.re, a.im + b.im}; }
Complex Sub(Complex a, Complex b) { return {a.re - b.re, a.im - b.im}; }
Complex Negate(Complex a) { return {-a.re, -a.im}; }
Complex Mul(Complex a, Complex b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
double SquaredModulus(Complex z) { return z.re * z.re + z.im * z.im; }
double Modulus(Complex z) { return std::sqrt(SquaredModulus(z)); }

// a / b formed as (a x conj(b)) / d, where d is |b|^2 or the floor that replaces it.
Complex DivideBy(Complex a, Complex b, double d) {
    Complex n = Mul(a, {b.re, -b.im});
    return {n.re / d, n.im / d};
}

void SwapRows(ComplexMatrix& m, int a, int b) {
    for (int c = 0; c < 4; ++c)
        for (int k = 0; k < 2; ++k) std::swap(m.v[a][c][k], m.v[b][c][k]);
}

void SwapColumns(ComplexMatrix& m, int a, int b) {
    for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 2; ++k) std::swap(m.v[r][a][k], m.v[r][b][k]);
}

// x(r, c) less what the rows of U above position g take from it:
// x(r,c) - (L(r,0)U(0,c) + ... + L(r,g-1)U(g-1,c)), summed from zero in that order.
Complex Eliminated(const ComplexMatrix& x, const ComplexMatrix& L, const ComplexMatrix& U, int r, int c, int g) {
    Complex sum;
    for (int k = 0; k < g; ++k) sum = Add(sum, Mul(At(L, r, k), At(U, k, c)));
    return Sub(At(x, r, c), sum);
}

void AppendRecord(SharedRegisters& registers, int& next, int from, int to) {
    if (next >= 4) return;  // three records at most; the table has room for four
    registers.PivotIndex[0][static_cast<std::size_t>(next)] = static_cast<std::int16_t>(from);
    registers.PivotIndex[1][static_cast<std::size_t>(next)] = static_cast<std::int16_t>(to);
    ++next;
}

int FirstFreeRecord(const SharedRegisters& registers) {
    int w = 0;
    while (w < 4 && registers.PivotIndex[0][static_cast<std::size_t>(w)] != -1) ++w;
    return w;
}

// Inverse of an upper triangular matrix by back substitution; false when a
// diagonal element is zero or not finite.
bool InvertUpper(const ComplexMatrix& U, ComplexMatrix& inverse) {
    Complex reciprocal[4];
    for (int i = 0; i < 4; ++i) {
        const Complex u = At(U, i, i);
        const double d = SquaredModulus(u);
        if (!(d > 0.0) || !std::isfinite(d)) return false;
        reciprocal[i] = DivideBy({1.0, 0.0}, u, d);
    }
    inverse = ComplexMatrix();
    for (int j = 0; j < 4; ++j) {
        Put(inverse, j, j, reciprocal[j]);
        for (int i = j - 1; i >= 0; --i) {
            Complex sum;
            for (int k = i + 1; k <= j; ++k) sum = Add(sum, Mul(At(U, i, k), At(inverse, k, j)));
            Put(inverse, i, j, Mul(Negate(sum), reciprocal[i]));
        }
    }
    return true;
}

// Inverse of a unit lower triangular matrix by forward substitution.
ComplexMatrix InvertUnitLower(const ComplexMatrix& L) {
    ComplexMatrix inverse = ComplexMatrix::Identity();
    for (int j = 0; j < 4; ++j) {
        for (int i = j + 1; i < 4; ++i) {
            Complex sum;
            for (int k = j; k < i; ++k) sum = Add(sum, Mul(At(L, i, k), At(inverse, k, j)));
            Put(inverse, i, j, Negate(sum));
        }
    }
    return inverse;
}

bool Fail(SharedRegisters& registers, Platform& platform) {
    platform.MessageBox(kNotInvertibleMessage, kStyleExclamationOk, kNotInvertibleTitle);
    registers.InverseResult = ComplexMatrix::Identity();
    return false;
}

}  // namespace

bool FactorizeLU(SharedRegisters& registers, Platform& platform) {
    ComplexMatrix x = registers.EliminationMatrix;
    int next = FirstFreeRecord(registers);

    // Position 0: the row with the largest modulus in column 0; the first of equals wins.
    int best = 0;
    double bestModulus = 0.0;
    for (int r = 0; r < 4; ++r) {
        const double m = Modulus(At(x, r, 0));
        if (m > bestModulus) {
            bestModulus = m;
            best = r;
        }
    }
    if (best != 0) {
        SwapRows(x, 0, best);
        AppendRecord(registers, next, 0, best);
    }
    if (!(SquaredModulus(At(x, 0, 0)) > 0.0)) {
        registers.EliminationMatrix = x;
        return false;
    }

    // Doolittle factorisation, one row of U and one column of L at a time.
    ComplexMatrix L = ComplexMatrix::Identity();
    ComplexMatrix U;
    const Complex u00 = At(x, 0, 0);
    const double d00 = SquaredModulus(u00);
    for (int c = 0; c < 4; ++c) Put(U, 0, c, At(x, 0, c));
    for (int r = 0; r < 4; ++r) Put(L, r, 0, DivideBy(At(x, r, 0), u00, d00));

    for (int g = 1; g < 4; ++g) {
        // Positions 1 and 2 take the row giving the diagonal element of largest
        // modulus (a tie keeps the upper row). A candidate's element is what
        // the factorisation would form with that row in place, and what it
        // divides by U(g,g) for L when the row stays below.
        Complex diagonal[4];
        int chosen = g;
        double chosenModulus = 0.0;
        for (int r = g; r < 4; ++r) {
            diagonal[r] = Eliminated(x, L, U, r, g, g);
            if (g == 3) break;
            const double m = Modulus(diagonal[r]);
            if (r == g || m > chosenModulus) {
                chosen = r;
                chosenModulus = m;
            }
        }
        if (chosen != g) {
            SwapRows(x, g, chosen);
            for (int k = 0; k < g; ++k) std::swap(L.v[g][k], L.v[chosen][k]);
            std::swap(diagonal[g], diagonal[chosen]);
            AppendRecord(registers, next, g, chosen);
        }
        Put(U, g, g, diagonal[g]);
        for (int c = g + 1; c < 4; ++c) Put(U, g, c, Eliminated(x, L, U, g, c, g));
        // A tiny |U(g,g)|^2 is floored as a divisor, each floored division
        // announced with the position g as title.
        const Complex ugg = diagonal[g];
        for (int r = g + 1; r < 4; ++r) {
            double d = SquaredModulus(ugg);
            if (d < kDiagonalFloor) {
                d = kDiagonalFloor;
                platform.MessageBox(kSmallDiagonalMessage, kStyleExclamationOk, std::to_string(g));
            }
            Put(L, r, g, DivideBy(diagonal[r], ugg, d));
        }
    }

    registers.EliminationMatrix = x;
    registers.EliminationWorkA = L;
    registers.EliminationWorkB = U;
    return true;
}

bool InvertMatrix(SharedRegisters& registers, Platform& platform) {
    registers.EliminationMatrix = registers.InverseSource;
    for (auto& field : registers.PivotIndex) field.fill(-1);

    if (!registers.InverseSource.IsFinite()) return Fail(registers, platform);
    if (!FactorizeLU(registers, platform)) return Fail(registers, platform);

    ComplexMatrix upperInverse;
    if (!InvertUpper(registers.EliminationWorkB, upperInverse)) return Fail(registers, platform);
    const ComplexMatrix lowerInverse = InvertUnitLower(registers.EliminationWorkA);

    ComplexMatrix result = ComplexProduct(upperInverse, lowerInverse);
    for (int w = 2; w >= 0; --w) {
        const int from = registers.PivotIndex[0][static_cast<std::size_t>(w)];
        const int to = registers.PivotIndex[1][static_cast<std::size_t>(w)];
        if (from != -1 && from >= 0 && from < 4 && to >= 0 && to < 4) SwapColumns(result, from, to);
    }
    if (!result.IsFinite()) return Fail(registers, platform);

    registers.InverseResult = result;
    return true;
}

}  // namespace selvaris
