// The open window's read of a matrix file holding arbitrary bytes, then the
// writer on whatever it accepted.
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/file_messages.h"
#include "files/form9.h"
#include "files/matrix_file_format.h"
#include "files/matrix_file_io.h"
#include "fuzz_check.h"
#include "support/fake_platform.h"

namespace selvaris {
namespace {

namespace fs = std::filesystem;

const char* const kFileName = "fuzzed.gyo";

// The open window lists the current folder, so every run works in a private
// one; in memory where possible, as every save is synced to the disk.
const fs::path& WorkFolder() {
    static const fs::path folder = [] {
        std::error_code error;
        const fs::path base = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "selvaris-fuzz-XXXXXX").string();
        const char* made = ::mkdtemp(pattern.data());
        FUZZ_CHECK(made != nullptr, "cannot create a work folder");
        fs::current_path(made);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(fs::current_path(ignored), ignored);
        });
        return fs::path(made);
    }();
    return folder;
}

std::vector<std::uint8_t> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Whether the first 256 bytes are 32 finite doubles, worked out from the bytes
// themselves: the exponent field of each little-endian double is not all ones.
bool HoldsFiniteMatrix(const std::uint8_t* data, std::size_t size) {
    if (size < kMatrixFileBytes) return false;
    for (std::size_t at = 0; at < kMatrixFileBytes; at += 8) {
        const unsigned exponent = ((data[at + 7] & 0x7Fu) << 4) | (data[at + 6] >> 4);
        if (exponent == 0x7FFu) return false;
    }
    return true;
}

}  // namespace
}  // namespace selvaris

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace selvaris;
    const fs::path file = WorkFolder() / kFileName;
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        FUZZ_CHECK(out.good(), "cannot write the input file");
    }

    SharedRegisters registers;
    const ComplexMatrix before = ComplexMatrix::InitialFinalGate();
    registers.EntryMatrix = before;
    testing::FakePlatform platform;
    platform.OnShow("Form9", [](Window& window) {
        const auto& items = window.Get("File1").items;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == kFileName) window.ListClick("File1", static_cast<int>(i));
    });
    Form9 window(registers, platform);
    platform.ShowModal(window);

    if (!HoldsFiniteMatrix(data, size)) {
        FUZZ_CHECK(!registers.MatrixFileLoaded, "a short or non-finite file was loaded");
        FUZZ_CHECK(registers.EntryMatrix.BitwiseEquals(before), "a refused file changed the entry matrix");
        FUZZ_CHECK(platform.messages.size() == 1, "a refused file shows exactly one message");
        const std::string withoutReason = OpenFailedMessage(file.string(), "");
        FUZZ_CHECK(platform.messages[0].text.size() > withoutReason.size(), "the refusal gives no reason");
        return 0;
    }

    FUZZ_CHECK(registers.MatrixFileLoaded && platform.messages.empty(), "a good file was refused");
    MatrixFileBytes first{};
    std::memcpy(first.data(), data, first.size());
    FUZZ_CHECK(registers.EntryMatrix.BitwiseEquals(DecodeMatrixFile(first)), "the loaded matrix differs");

    const fs::path copy = WorkFolder() / "written.dat";
    FUZZ_CHECK(!WriteMatrixFile(copy.string(), registers.EntryMatrix), "the writer refused a loaded matrix");
    const std::vector<std::uint8_t> written = ReadAll(copy);
    FUZZ_CHECK(written.size() == kMatrixFileBytes && std::memcmp(written.data(), data, kMatrixFileBytes) == 0,
               "the written file is not the bytes that were read");
    return 0;
}
