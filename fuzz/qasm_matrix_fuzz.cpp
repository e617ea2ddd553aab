// The OpenQASM reader on arbitrary text: exactly one answer; a refusal names
// a line the text has and stays valid UTF-8 for the message box; a matrix is
// finite and unitary. Every gate is built unitary whatever its angles, so
// unitarity holds up to rounding, which a fuzz-sized program keeps far below
// the tolerance.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <complex>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/qasm_matrix.h"
#include "fuzz_check.h"

namespace selvaris {
namespace {

bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80            ? 1
                                   : (lead >> 5) == 0x6   ? 2
                                   : (lead >> 4) == 0xE   ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                          : 0;
        if (length == 0 || at + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[at + k]) >> 6) != 0x2) return false;
        at += length;
    }
    return true;
}

double UnitarityError(const ComplexMatrix& m) {
    double worst = 0;
    for (int a = 0; a < 4; ++a)
        for (int b = 0; b < 4; ++b) {
            std::complex<double> dot;
            for (int k = 0; k < 4; ++k)
                dot += std::complex<double>(m.re(a, k), m.im(a, k)) * std::complex<double>(m.re(b, k), -m.im(b, k));
            worst = std::max(worst, std::abs(dot - (a == b ? 1.0 : 0.0)));
        }
    return worst;
}

}  // namespace
}  // namespace selvaris

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace selvaris;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const MatrixFileRead read = ReadQasmText(text);
    FUZZ_CHECK(read.matrix.has_value() == read.failure.empty(), "not exactly one of a matrix and a failure");

    if (!read.matrix) {
        std::size_t line = 0;
        const char* const begin = read.failure.data();
        const auto [end, error] = std::from_chars(begin, begin + read.failure.size(), line);
        std::size_t lines = 1;
        for (char c : text) lines += c == '\n';
        FUZZ_CHECK(error == std::errc() && line >= 1 && line <= lines, "the refusal names no line of the text");
        FUZZ_CHECK(std::string_view(end, begin + read.failure.size() - end).starts_with(" 行目："),
                   "the refusal does not start with its line");
        FUZZ_CHECK(read.failure.size() > std::string_view(begin, end - begin).size() + std::string_view(" 行目：").size(),
                   "the refusal gives no reason");
        FUZZ_CHECK(IsUtf8(read.failure), "the refusal is not valid UTF-8");
        return 0;
    }
    FUZZ_CHECK(read.matrix->IsFinite(), "an accepted matrix is not finite");
    FUZZ_CHECK(UnitarityError(*read.matrix) <= 1e-9, "an accepted matrix is not unitary");
    return 0;
}
