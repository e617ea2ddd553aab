// The cell parser on arbitrary bytes, typed into every cell of the matrix.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "entry/cell_parser.h"
#include "entry/utf16_units.h"
#include "fuzz_check.h"
#include "support/fake_platform.h"

namespace selvaris {
namespace {

bool IsKnownCode(CellError error) {
    const int code = static_cast<int>(error);
    return code >= 1 && code <= 20 && code != 9 && code != 19;
}

bool Same(const CellCheck& a, const CellCheck& b) {
    if (a.accepted != b.accepted) return false;
    if (!a.accepted) return a.error == b.error;
    return std::signbit(a.real) == std::signbit(b.real) && a.real == b.real && a.imag == b.imag;
}

void CheckCellAt(const std::string& text, const CellCheck& expected, int row, int column) {
    SharedRegisters registers;
    registers.EntryErrorRow = -7;
    registers.EntryErrorColumn = -7;
    testing::FakePlatform platform;
    CellValues values{0.125, -0.125};
    ParseCell(text, row, column, values, registers, platform);
    if (expected.accepted) {
        FUZZ_CHECK(platform.messages.empty() && !registers.EntryError, "an accepted cell raised an error");
        FUZZ_CHECK(values.CellReal == expected.real && values.CellImag == expected.imag, "stored value differs");
        return;
    }
    FUZZ_CHECK(platform.messages.size() == 1, "a refused cell shows exactly one message");
    const testing::RecordedMessage& shown = platform.messages[0];
    FUZZ_CHECK(shown.text == CellErrorMessage(expected.error, row + 1, column + 1), "message text");
    FUZZ_CHECK(shown.style == kStyleExclamationOk && shown.title == "Message", "message style or title");
    FUZZ_CHECK(registers.EntryError, "EntryError not set");
    FUZZ_CHECK(registers.EntryErrorRow == row && registers.EntryErrorColumn == column, "error position");
    FUZZ_CHECK(values.CellReal == 0.125 && values.CellImag == -0.125, "a refused cell changed the values");
}

}  // namespace
}  // namespace selvaris

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace selvaris;
    // A view of libFuzzer's own buffer, which ends exactly at the last byte:
    // any read past the input is an AddressSanitizer report.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::u16string units = Utf16Units(bytes);
    FUZZ_CHECK(units.size() <= size && units.size() * 3 >= size, "UTF-16 unit count out of range for the bytes");

    const CellCheck first = CheckCellText(bytes);
    FUZZ_CHECK(Same(first, CheckCellText(bytes)), "the same text gave a different answer");
    // The units again in a buffer of exactly their size (a string would hide a
    // read one past the end behind its terminating NUL).
    const std::unique_ptr<char16_t[]> exact(new char16_t[units.size()]);
    std::copy(units.begin(), units.end(), exact.get());
    FUZZ_CHECK(Same(first, CheckCell(std::u16string_view(exact.get(), units.size()))), "UTF-8 and UTF-16 entry disagree");
    FUZZ_CHECK((units.size() > static_cast<std::size_t>(kMaxCellLength)) == (!first.accepted && first.error == CellError::TooLong),
               "E15 exactly for texts over 15 units");
    if (first.accepted) {
        FUZZ_CHECK(std::isfinite(first.real) && std::isfinite(first.imag), "accepted value not finite");
        for (char c : bytes) FUZZ_CHECK(std::string_view("0123456789.+-i").find(c) != std::string_view::npos,
                                        "accepted a character outside the cell alphabet");
    } else {
        FUZZ_CHECK(IsKnownCode(first.error), "refusal without a code E01..E20");
    }

    const std::string text(bytes);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) CheckCellAt(text, first, row, column);
    return 0;
}
