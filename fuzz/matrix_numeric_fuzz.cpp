// Matrix text rendering and inversion on arbitrary doubles.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "core/inversion.h"
#include "core/matrix_text.h"
#include "fuzz_check.h"
#include "support/fake_platform.h"

namespace selvaris {
namespace {

// Short inputs pick each component from values that sit on the edges of the
// rendering and the elimination; 256 bytes and more are taken as raw doubles.
ComplexMatrix MatrixFrom(const std::uint8_t* data, std::size_t size) {
    static const double kEdges[] = {
        0.0, -0.0, 1.0, -1.0, 0.70710678118654752, 1e-17, 0.00025, 0.99999999, 9999.99999, 1e5,
        2147483648.0, 1e300, std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max(),
        std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
    };
    ComplexMatrix m;
    double* parts = &m.v[0][0][0];
    if (size >= 32 * sizeof(double)) {
        std::memcpy(parts, data, 32 * sizeof(double));
        return m;
    }
    for (std::size_t k = 0; k < size && k < 32; ++k) {
        const double edge = kEdges[data[k] & 15u];
        parts[k] = (data[k] & 16u) ? -edge : edge;
        if (data[k] & 32u) parts[k] *= 0.5 + (data[k] >> 6);
    }
    return m;
}

void CheckRendering(const ComplexMatrix& m) {
    SharedRegisters registers;
    registers.ShowMatrix = m;
    RenderMatrixText(registers);
    FUZZ_CHECK(registers.ShowMatrix.BitwiseEquals(m), "rendering changed ShowMatrix");
    const std::string& text = registers.MatrixText;
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
    FUZZ_CHECK(lines == 4, "the text is not four lines");
    FUZZ_CHECK(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0, "the text does not end a line");
    for (std::size_t at = 0; at < text.size(); ++at)
        if (text[at] == '\r' || text[at] == '\n')
            FUZZ_CHECK(text.compare(text[at] == '\r' ? at : at - 1, 2, "\r\n") == 0, "a stray line break");
}

double LargestMagnitude(const ComplexMatrix& m) {
    double largest = 0.0;
    for (const auto& row : m.v)
        for (const auto& element : row) largest = std::fmax(largest, std::hypot(element[0], element[1]));
    return largest;
}

// Well conditioned: every element of moderate size, no tiny pivot reported and
// a small product of the largest elements of the matrix and its inverse.
bool WellConditioned(const ComplexMatrix& m, const ComplexMatrix& inverse, const testing::FakePlatform& platform) {
    if (!platform.messages.empty() || !m.IsFinite() || !inverse.IsFinite()) return false;
    const double size = LargestMagnitude(m);
    return size <= 1e3 && size * LargestMagnitude(inverse) <= 1e3;
}

void CheckInversion(const ComplexMatrix& m) {
    SharedRegisters registers;
    registers.InverseSource = m;
    testing::FakePlatform platform;
    const bool inverted = InvertMatrix(registers, platform);
    FUZZ_CHECK(registers.InverseSource.BitwiseEquals(m), "inversion changed its source");
    if (!inverted) {
        FUZZ_CHECK(registers.InverseResult.BitwiseEquals(ComplexMatrix::Identity()), "a failed inversion left a result");
        return;
    }
    FUZZ_CHECK(registers.InverseResult.IsFinite(), "a reported inverse is not finite");
    if (!WellConditioned(m, registers.InverseResult, platform)) return;
    const ComplexMatrix product = ComplexProduct(m, registers.InverseResult);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const double re = product.re(r, c) - (r == c ? 1.0 : 0.0);
            FUZZ_CHECK(std::fabs(re) <= 1e-8 && std::fabs(product.im(r, c)) <= 1e-8, "A times its inverse is not I");
        }
}

}  // namespace
}  // namespace selvaris

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace selvaris;
    const ComplexMatrix m = MatrixFrom(data, size);
    CheckRendering(m);
    CheckInversion(m);
    return 0;
}
