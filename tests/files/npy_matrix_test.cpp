#include "files/npy_matrix.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <bit>

#include "temp_folder.h"

namespace selvaris {
namespace {

std::string LittleEndian(std::uint64_t value, int width) {
    std::string bytes;
    for (int i = 0; i < width; ++i) bytes += static_cast<char>(value >> (8 * i));
    return bytes;
}

// Element k holds k + 0.25 - (k + 0.5)i, so a misplaced element or part shows.
std::string Data(bool complex, bool bigEndian, int elements = 16) {
    std::string data;
    for (int k = 0; k < elements; ++k)
        for (double part : {k + 0.25, -(k + 0.5)}) {
            std::string bytes = LittleEndian(std::bit_cast<std::uint64_t>(part), 8);
            data += bigEndian ? std::string(bytes.rbegin(), bytes.rend()) : bytes;
            if (!complex) break;
        }
    return data;
}

std::string Dict(const std::string& descr, const std::string& fortran = "False", const std::string& shape = "(4, 4)") {
    return "{'descr': " + descr + ", 'fortran_order': " + fortran + ", 'shape': " + shape + ", }       \n";
}

std::string Npy(const std::string& header, const std::string& data, int major = 1) {
    return "\x93NUMPY" + std::string{static_cast<char>(major), 0} + LittleEndian(header.size(), major == 1 ? 2 : 4) +
           header + data;
}

const std::string kGood = Npy(Dict("'<c16'"), Data(true, false));

TEST(NpyMatrix, ReadsEveryTypeOrderAndVersionToTheSameElements) {
    const struct { std::string header; bool complex, bigEndian, fortran; int major; } cases[] = {
        {Dict("'<c16'"), true, false, false, 1},
        {Dict("'>c16'"), true, true, false, 2},
        {Dict("'<f8'"), false, false, false, 3},
        {Dict("'>f8'", "True"), false, true, true, 1},
        {Dict("'<c16'", "True"), true, false, true, 2},
        {"{\"shape\":(4,4),\"fortran_order\":True,'descr':u'>c16'}", true, true, true, 3},
        {"{ 'descr' :\t'<f8' ,\n 'fortran_order' : False , 'shape' : ( 4L , 4L ) }\n", false, false, false, 1},
    };
    for (const auto& c : cases) {
        const MatrixFileRead read = ReadNpyBytes(Npy(c.header, Data(c.complex, c.bigEndian), c.major));
        ASSERT_TRUE(read.matrix) << c.header << read.failure;
        for (int r = 0; r < 4; ++r)
            for (int col = 0; col < 4; ++col) {
                const int k = c.fortran ? 4 * col + r : 4 * r + col;
                EXPECT_EQ(read.matrix->re(r, col), k + 0.25) << c.header << r << col;
                EXPECT_EQ(read.matrix->im(r, col), c.complex ? -(k + 0.5) : 0.0) << c.header << r << col;
            }
    }
}

TEST(NpyMatrix, RefusesWhatIsNotAFinite4x4NumberArray) {
    const std::string unreadable = "ヘッダーが読めません";
    const std::pair<std::string, std::string> cases[] = {
        {"", "NumPy の .npy ファイルではありません"},
        {"\x93NUMPX" + kGood.substr(6), "NumPy の .npy ファイルではありません"},
        {Npy(Dict("'<c16'"), Data(true, false), 4), "NumPy 形式のバージョン 4.0 には対応していません"},
        {kGood.substr(0, 9), "ヘッダーの途中で終わっています"},
        {kGood.substr(0, 60), "ヘッダーの途中で終わっています"},
        {"\x93NUMPY\x02" + std::string(1, 0) + LittleEndian(70000, 4), "ヘッダーが長すぎます（65536 バイトまで）"},
        {Npy(Dict("'<c16'"), Data(true, false, 15)), "データが 240 バイトしかなく、256 バイトに足りません"},
        {kGood + "x", "データの後に余分な 1 バイトがあります"},
        {Npy(Dict("'<c16'", "False", "(3, 3)"), ""), "形が (3, 3) の配列です。4×4 の配列が必要です"},
        {Npy(Dict("'<f8'", "False", "(16,)"), ""), "形が (16,) の配列です。4×4 の配列が必要です"},
        {Npy(Dict("'<c8'"), ""), "型が '<c8' の配列です。complex128 か float64 が必要です"},
        {Npy(Dict("'=f8'"), ""), "型が '=f8' の配列です。バイト順（< か >）が必要です"},
        {Npy(Dict("'|O'"), ""), "Python オブジェクトの配列（pickle）は読みません"},
        {Npy(Dict("[('re', '<f8'), ('im', '<f8')]"), ""), "構造化された型の配列は読みません"},
        {kGood.substr(0, kGood.size() - 8) + LittleEndian(0x7FF8000000000000, 8), "数でない値（NaN）か無限大が含まれています"},
        {Npy("{'descr': '<c16', 'shape': (4, 4)}", ""), unreadable},
        {Npy("{'descr': '<c16', 'fortran_order': False, 'shape': (4, 4), 'extra': 1}", ""), unreadable},
        {Npy("{'descr': '<c16', 'descr': '<c16', 'fortran_order': False, 'shape': (4, 4)}", ""), unreadable},
        {Npy("{'descr': '<c16", ""), unreadable},
        {Npy(Dict("'<c16'") + "x", ""), unreadable},
        {Npy(Dict("'<c16'", "0"), ""), unreadable},
        {Npy(Dict("'<c16'", "False", "[4, 4]"), ""), unreadable},
        {Npy(Dict("'<c16'", "False", "(4)"), ""), unreadable},
        {Npy(Dict("'<c16'", "False", "(-4, 4)"), ""), unreadable},
        {Npy(Dict("'<c16'", "False", "(4L, 4)"), "", 3), unreadable},
        {Npy(Dict(std::string(5000, '[') + std::string(5000, ']')), ""), unreadable},
    };
    for (const auto& [bytes, reason] : cases) EXPECT_EQ(ReadNpyBytes(bytes).failure, reason) << bytes;
}

TEST(NpyMatrix, ReadsARegularFileAndRefusesAnythingElseWithoutBlocking) {
    testing::TempFolder temp;
    testing::WriteBytes(temp / "a.npy", {kGood.begin(), kGood.end()});
    ASSERT_EQ(::mkfifo((temp / "fifo.npy").c_str(), 0600), 0);
    EXPECT_TRUE(ReadNpyFile(temp / "a.npy").matrix);
    EXPECT_EQ(ReadNpyFile(temp / "fifo.npy").failure, "通常のファイルではありません");
    EXPECT_EQ(ReadNpyFile(temp.str()).failure, "フォルダです");
}

}  // namespace
}  // namespace selvaris
