#include "entry/builtin_matrices.h"

namespace selvaris {
namespace {

struct Entry {
    double re;
    double im;
};

constexpr Entry k1{1, 0};
constexpr Entry kM1{-1, 0};
constexpr Entry kI{0, 1};
constexpr Entry kMI{0, -1};
constexpr Entry k0{0, 0};
constexpr Entry kR{1.4142, 0};

ComplexMatrix FromRows(const Entry (&rows)[4][4]) {
    ComplexMatrix m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            m.re(r, c) = rows[r][c].re;
            m.im(r, c) = rows[r][c].im;
        }
    return m;
}

}  // namespace

ComplexMatrix QftMatrix() {
    return FromRows({
        {k1, k1, k1, k1},
        {k1, kM1, kI, kMI},
        {k1, k1, kM1, kM1},
        {k1, kM1, kMI, kI},
    });
}

ComplexMatrix IqftMatrix() {
    return FromRows({
        {k1, k1, k1, k1},
        {k1, kM1, k1, kM1},
        {k1, kMI, kM1, kI},
        {k1, kI, kM1, kMI},
    });
}

ComplexMatrix TestMatrix() {
    return FromRows({
        {kR, kR, k0, k0},
        {k1, kM1, kI, kMI},
        {k0, k0, kR, kR},
        {k1, kM1, kMI, kI},
    });
}

}  // namespace selvaris
