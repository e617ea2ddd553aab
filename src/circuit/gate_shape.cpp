#include "circuit/gate_shape.h"

#include <initializer_list>
#include <utility>

#include "core/zero_tests.h"

namespace selvaris {
namespace {

using Position = std::pair<int, int>;

// A set of elements, bit 4r + c for element (r, c).
using Cells = unsigned;

constexpr Cells CellsAt(std::initializer_list<Position> positions) {
    Cells cells = 0;
    for (const Position& p : positions) cells |= 1u << (4 * p.first + p.second);
    return cells;
}

constexpr Cells kAllCells = 0xFFFFu;
constexpr Cells kDiagonal = CellsAt({{0, 0}, {1, 1}, {2, 2}, {3, 3}});

class Classifier {
public:
    // Every rule asks which elements are zero: they are read once.
    Classifier(const ComplexMatrix& m, double t) : m_(m), t_(t) {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                if (IsZeroForClassification(m.re(r, c), m.im(r, c), t)) zero_ |= 1u << (4 * r + c);
    }

    bool Nonzero(int r, int c) const { return IsNonzeroForCell(m_.re(r, c), m_.im(r, c), t_); }
    bool Equal(Position a, Position b) const {
        return IsEqualForClassification(m_.re(a.first, a.second), m_.im(a.first, a.second), m_.re(b.first, b.second),
                                        m_.im(b.first, b.second), t_);
    }

    bool ZeroAt(Cells cells) const { return (zero_ & cells) == cells; }

    bool EqualPairs(std::initializer_list<std::pair<Position, Position>> pairs) const {
        for (const auto& [a, b] : pairs)
            if (!Equal(a, b)) return false;
        return true;
    }

    // Zero at every position not listed.
    bool ZeroExcept(Cells allowed) const { return ZeroAt(kAllCells & ~allowed); }

    bool OffDiagonalZero() const { return ZeroExcept(kDiagonal); }

private:
    const ComplexMatrix& m_;
    double t_;
    Cells zero_ = 0;
};

}  // namespace

GateShape ClassifyGateShape(const ComplexMatrix& gate, GateShape defaultShape, double tolerance) {
    const Classifier m(gate, tolerance);

    if (m.OffDiagonalZero()) {
        if (m.EqualPairs({{{1, 1}, {0, 0}}, {{2, 2}, {0, 0}}, {{3, 3}, {0, 0}}})) return kShapeWiresOnly;
        if (m.Nonzero(3, 3)) return kShapeClosedTopControl;
        if (m.Nonzero(1, 1)) return kShapeOpenTopControl;
        if (m.Nonzero(2, 2)) return kShapeOpenBottomControl;
    }
    if (m.EqualPairs({{{1, 1}, {0, 0}}, {{1, 3}, {0, 2}}, {{3, 1}, {2, 0}}, {{3, 3}, {2, 2}}}) &&
        m.ZeroAt(CellsAt({{0, 1}, {0, 3}, {1, 0}, {1, 2}, {2, 1}, {2, 3}, {3, 0}, {3, 2}})))
        return kShapeTopWireOnly;
    if (m.EqualPairs({{{2, 2}, {0, 0}}, {{2, 3}, {0, 1}}, {{3, 2}, {1, 0}}, {{3, 3}, {1, 1}}}) &&
        m.ZeroAt(CellsAt({{0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 0}, {2, 1}, {3, 0}, {3, 1}})))
        return kShapeBottomWireOnly;
    if (m.ZeroExcept(CellsAt({{0, 0}, {0, 2}, {1, 1}, {2, 0}, {2, 2}, {3, 3}}))) return kShapeOpenBottomControl;
    if (m.ZeroExcept(CellsAt({{0, 0}, {1, 1}, {1, 3}, {2, 2}, {3, 1}, {3, 3}}))) return kShapeClosedBottomControl;
    if (m.ZeroExcept(CellsAt({{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 2}, {3, 3}}))) return kShapeOpenTopControl;
    if (m.ZeroExcept(CellsAt({{0, 0}, {1, 1}, {2, 2}, {2, 3}, {3, 2}, {3, 3}}))) return kShapeClosedTopControl;
    return defaultShape;
}

}  // namespace selvaris
