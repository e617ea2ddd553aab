#pragma once

#include <array>
#include <cstddef>

namespace selvaris {

// A 4x4 complex matrix: element (row, column) with its real part (0) and imaginary part (1).
// The element accessors take rows and columns 0..3 only; code that gets a
// position from elsewhere checks it with IsMatrixIndex first.
struct ComplexMatrix {
    static constexpr int kSize = 4;

    double v[4][4][2] = {};

    double& re(int row, int column) { return v[row][column][0]; }
    double& im(int row, int column) { return v[row][column][1]; }
    double re(int row, int column) const { return v[row][column][0]; }
    double im(int row, int column) const { return v[row][column][1]; }

    static constexpr ComplexMatrix Identity() {
        ComplexMatrix m;
        for (int i = 0; i < kSize; ++i) m.v[i][i][0] = 1.0;
        return m;
    }
    // The identity with element (3,3) = -i: the final gate the workbench starts with.
    static ComplexMatrix InitialFinalGate();

    // True when every component is exactly zero (negative zero included).
    bool IsAllZero() const;
    // True when no component is NaN or infinite.
    bool IsFinite() const;
    // Compares all 32 components bit for bit (so NaN == NaN and -0 != +0).
    bool BitwiseEquals(const ComplexMatrix& other) const;
};

// True for a row or column number 0..3.
constexpr bool IsMatrixIndex(int index) { return index >= 0 && index < ComplexMatrix::kSize; }

// Ordinary matrix product a x b with complex arithmetic, each element accumulated
// from zero over k = 0..3 in that order; the result is separate from the operands.
ComplexMatrix ComplexProduct(const ComplexMatrix& a, const ComplexMatrix& b);

// Conjugate transpose.
ComplexMatrix Adjoint(const ComplexMatrix& a);

// A history of 51 matrices; slot numbering is given by each user.
class MatrixHistory {
public:
    static constexpr int kSlots = 51;

    // Bounds-checked: an index outside 0..50 throws std::out_of_range instead of
    // touching memory it does not own.
    ComplexMatrix& at(int slot) { return slots_.at(static_cast<std::size_t>(checked(slot))); }
    const ComplexMatrix& at(int slot) const { return slots_.at(static_cast<std::size_t>(checked(slot))); }

private:
    static int checked(int slot);
    std::array<ComplexMatrix, kSlots> slots_{};
};

}  // namespace selvaris
