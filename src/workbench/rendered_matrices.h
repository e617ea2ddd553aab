#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/shared_registers.h"

namespace selvaris {

// The texts of the last few matrices rendered. A step shows the same matrix in
// more than one box (its gate twice; the target before it is the target after
// the step before), and a text depends on the matrix alone.
class RenderedMatrices {
public:
    // ShowMatrix := matrix, then the registers as RenderMatrixText leaves them.
    void Render(SharedRegisters& registers, const ComplexMatrix& matrix);

private:
    struct Rendered {
        bool filled = false;
        ComplexMatrix matrix;
        ComplexMatrix rounded;
        std::string text;
        std::string cellText;
    };
    std::array<Rendered, 6> kept_{};
    std::size_t next_ = 0;
};

}  // namespace selvaris
