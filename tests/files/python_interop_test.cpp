#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "files/form8.h"
#include "files/form9.h"
#include "support/fake_platform.h"
#include "temp_folder.h"

namespace selvaris {
namespace {

using testing::CurrentFolderGuard;
using testing::FakePlatform;
using testing::ItemIndex;
using testing::TempFolder;

// Files exchanged with an independent program: Python's struct module with
// its explicit little-endian doubles.
class PythonInterop : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::system("python3 -c 'import struct' >/dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not available";
    }

    // Runs a one-line Python program (no double quotes in it) with its output sent to outputFile.
    static int Python(const std::string& program, const std::string& outputFile) {
        return std::system(("python3 -c \"" + program + "\" > '" + outputFile + "'").c_str());
    }

    TempFolder temp;
    SharedRegisters registers;
    FakePlatform platform;
};

TEST_F(PythonInterop, AFileWrittenByPythonOpensToTheSameValues) {
    ASSERT_EQ(Python("import struct,sys; sys.stdout.buffer.write(struct.pack('<32d', *range(32)))", temp / "counted.gyo"),
              0);
    CurrentFolderGuard guard(temp.path());
    platform.OnShow("Form9", [](Window& w) { w.ListClick("File1", ItemIndex(w, "File1", "counted.gyo")); });
    Form9 window(registers, platform);
    platform.ShowModal(window);

    ASSERT_TRUE(registers.MatrixFileLoaded);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(registers.EntryMatrix.re(r, c), 4 * r + c) << r << "," << c;
            EXPECT_EQ(registers.EntryMatrix.im(r, c), 16 + 4 * r + c) << r << "," << c;
        }
}

TEST_F(PythonInterop, ASavedFileReadsBackInPythonToTheSameValues) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            registers.EntryMatrix.re(r, c) = 0.1 * (r + 1) - 1.7 * c;
            registers.EntryMatrix.im(r, c) = 1.0 / (3 + 5 * r + c);
        }
    {
        CurrentFolderGuard guard(temp.path());
        platform.OnShow("Form8", [](Window& w) { w.Click("Command1"); });
        Form8 window(registers, platform);
        platform.ShowModal(window);
    }
    // Python prints each value as an exact hexadecimal float, one per line, in file order.
    ASSERT_EQ(Python("import struct; data=open('" + (temp / "data1.gyo") +
                     "','rb').read(); assert len(data)==256; print(*[float.hex(x) for x in struct.unpack('<32d', data)], "
                     "sep=chr(10))",
                     temp / "values.txt"),
              0);
    std::ifstream printed(temp / "values.txt");
    std::vector<double> values;
    for (std::string line; std::getline(printed, line);) values.push_back(std::strtod(line.c_str(), nullptr));
    ASSERT_EQ(values.size(), 32u);
    for (int part = 0; part < 2; ++part)
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                EXPECT_EQ(std::bit_cast<std::uint64_t>(values[static_cast<std::size_t>(16 * part + 4 * r + c)]),
                          std::bit_cast<std::uint64_t>(registers.EntryMatrix.v[r][c][part]))
                    << "part " << part << " (" << r << "," << c << ")";
}

}  // namespace
}  // namespace selvaris
