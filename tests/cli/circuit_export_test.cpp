#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "cli/command_line.h"
#include "export/circuit_check.h"  // tests/export
#include "files/matrix_file_io.h"
#include "files/temp_folder.h"
#include "support/matrix_builders.h"

namespace selvaris {
namespace {

const std::filesystem::path kGolden = std::filesystem::path(__FILE__).parent_path() / "golden";

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

int Export(const std::string& matrix, const std::string& base, std::string* out = nullptr) {
    std::ostringstream stdoutText, stderrText;
    const int status = RunCommandLine({"decompose", matrix, "--qasm", base + ".qasm", "--json", base + ".json"},
                                      stdoutText, stderrText);
    if (out) *out = stdoutText.str();
    return status;
}

// Users' scripts read these files: an exact decomposition keeps every byte.
TEST(CircuitExport, ExactDecompositionsWriteTheSameBytesAsBefore) {
    testing::TempFolder folder;
    for (const char* name : {"qft", "random"}) {
        ASSERT_EQ(Export((kGolden / (std::string(name) + ".gyo")).string(), folder / name), kExitDone) << name;
        for (const char* ending : {".qasm", ".json"})
            EXPECT_EQ(Contents(folder / (std::string(name) + ending)),
                      Contents(kGolden / (std::string(name) + ending)))
                << name << ending;
    }
}

TEST(CircuitExport, EveryTypedMatrixBecomesACircuitThatStatesItsError) {
    testing::TempFolder folder;
    std::mt19937_64 rng(20261209);
    for (int n = 0; n < 200; ++n) {
        const ComplexMatrix typed = testing::FourDecimals(testing::RandomUnitary(rng));
        ASSERT_FALSE(WriteMatrixFile(folder / "typed.gyo", typed).has_value());
        std::string out;
        ASSERT_EQ(Export(folder / "typed.gyo", folder / "typed", &out), kExitDone) << n;
        const double stated = testing::StatedCircuitError(Contents(folder / "typed.json"));
        EXPECT_NEAR(testing::QasmDistanceFromTarget(Contents(folder / "typed.qasm"), typed), stated, 1e-12) << n;
        EXPECT_LT(stated, 5e-3) << n;
        EXPECT_NE(out.find("回路と目標の差 "), std::string::npos) << n;
    }
}

TEST(CircuitExport, EachFormatHasItsOptionAndTheBasisAppliesToAll) {
    testing::TempFolder folder;
    const std::string qft = (kGolden / "qft.gyo").string();
    const struct {
        std::vector<std::string> options;
        int status;
        const char* file;      // written, holding text
        const char* text;
        const char* inErr;
    } rows[] = {
        {{"--basis", "cx", "--qasm", folder / "cx.qasm"}, kExitDone, "cx.qasm", "\ncx q[", ""},
        {{"--qasm3", folder / "three.qasm"}, kExitDone, "three.qasm", "OPENQASM 3.0;", ""},
        {{"--basis", "cx", "--latex", folder / "cx.tex"}, kExitDone, "cx.tex", "\\targ", ""},
        {{"--svg", folder / "no.svg"}, kExitFailed, nullptr, nullptr, "ここでは回路図を描けません"},
        {{"--basis", "zx", "--qasm", folder / "zx.qasm"}, kExitFailed, nullptr, nullptr, "--basis"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = {"decompose", qft};
        args.insert(args.end(), row.options.begin(), row.options.end());
        std::ostringstream out, err;
        EXPECT_EQ(RunCommandLine(args, out, err), row.status) << row.options.back() << err.str();
        EXPECT_NE(err.str().find(row.inErr), std::string::npos) << err.str();
        if (row.file) {
            EXPECT_NE(Contents(folder / row.file).find(row.text), std::string::npos) << row.file;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "no.svg"));
    EXPECT_FALSE(std::filesystem::exists(folder / "zx.qasm"));
}

}  // namespace
}  // namespace selvaris
