// The .npy reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/npy_matrix.h"
#include "fuzz_check.h"

namespace selvaris {
namespace {

// Reasons quote pieces of the header, whose bytes need not be UTF-8; a
// message box shows invalid UTF-8 as garbage or not at all.
bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<std::uint8_t>(text[at]);
        const std::size_t length = lead < 0x80 ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || text.size() - at < length) return false;
        for (std::size_t i = 1; i < length; ++i)
            if ((static_cast<std::uint8_t>(text[at + i]) >> 6) != 0x2) return false;
        at += length;
    }
    return true;
}

}  // namespace
}  // namespace selvaris

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace selvaris;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const MatrixFileRead read = ReadNpyBytes(bytes);
    FUZZ_CHECK(read.matrix.has_value() != !read.failure.empty(), "not exactly one of a matrix and a reason");
    if (!read.matrix) {
        FUZZ_CHECK(IsUtf8(read.failure), "the reason is not UTF-8");
        FUZZ_CHECK(read.failure.size() < 256, "the reason is not short");
        return 0;
    }
    FUZZ_CHECK(read.matrix->IsFinite(), "an accepted matrix is not finite");
    // Worked out from the prefix alone: what follows the header is exactly
    // 16 elements, of 8 bytes for float64 (no imaginary parts) or 16 for complex128.
    FUZZ_CHECK(size >= 12 && bytes.substr(0, 6) == "\x93NUMPY", "accepted without the magic and length");
    const std::size_t width = data[6] == 1 ? 2 : 4;
    std::size_t headerLength = 0;
    for (std::size_t i = width; i-- > 0;) headerLength = headerLength << 8 | data[8 + i];
    const std::size_t dataBytes = size - (8 + width + headerLength);
    FUZZ_CHECK(dataBytes == 128 || dataBytes == 256, "the data is not 16 elements");
    if (dataBytes == 128)
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) FUZZ_CHECK(read.matrix->im(r, c) == 0.0, "float64 with an imaginary part");
    return 0;
}
