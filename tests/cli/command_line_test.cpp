#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "cli/command_line.h"
#include "cli/console_platform.h"
#include "cli/headless_decomposition.h"
#include "entry/builtin_matrices.h"
#include "files/matrix_file_io.h"
#include "files/temp_folder.h"
#include "support/matrix_builders.h"
#include "workbench/workbench_flow.h"  // tests/workbench

namespace selvaris {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Decompose(std::vector<std::string> args) {
    args.insert(args.begin(), "decompose");
    std::ostringstream out, err;
    const int status = RunCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}

struct Files {
    testing::TempFolder folder;
    std::string Write(const std::string& name, const ComplexMatrix& m) {
        EXPECT_FALSE(WriteMatrixFile(folder / name, m).has_value());
        return folder / name;
    }
};

TEST(CommandLine, StatusAndMessagesForEachKindOfFile) {
    Files files;
    const std::string qft = files.Write("qft.gyo", QftMatrix());
    const std::string notUnitary = files.Write("twice.gyo", testing::Make({{0, 1, 1, 0}}, ComplexMatrix::Identity()));
    std::ofstream(files.folder / "short.gyo") << "too short";
    std::ofstream(files.folder / "bell.QASM") << "OPENQASM 2.0;\nqreg q[2];\nh q[1];\ncx q[1],q[0];\n";
    std::ofstream(files.folder / "measured.qasm") << "OPENQASM 2.0;\nqreg q[2];\ncreg c[2];\nmeasure q[0] -> c[0];\n";
    {
        // NumPy's own layout: a 128-byte header, then the identity as sixteen float64.
        std::string header = "{'descr': '<f8', 'fortran_order': False, 'shape': (4, 4), }";
        header.resize(117, ' ');
        std::ofstream npy(files.folder / "identity.npy", std::ios::binary);
        npy << std::string("\x93NUMPY\x01\x00\x76\x00", 10) << header << '\n';
        for (int k = 0; k < 16; ++k) {
            const double value = k % 5 == 0 ? 1.0 : 0.0;
            npy.write(reinterpret_cast<const char*>(&value), sizeof value);
        }
    }
    struct Row {
        std::vector<std::string> args;
        int status;
        const char* inOut;
        const char* inErr;
    } const rows[] = {
        {{qft}, kExitDone, "再構成誤差", ""},
        {{qft, "--plan", "la10R,la30L"}, kExitDone, "F1 ", ""},
        {{notUnitary}, kExitNotUnitary, "", "メッセージ: この行列はユニタリーではありません"},
        {{files.folder / "missing.gyo"}, kExitFailed, "", "missing.gyo"},
        {{files.folder / "short.gyo"}, kExitFailed, "", "short.gyo"},
        {{files.folder / "bell.QASM"}, kExitDone, "bell.QASM: 3 steps", ""},
        {{files.folder / "identity.npy"}, kExitDone, "identity.npy: 0 steps", ""},
        {{files.folder / "measured.qasm"}, kExitFailed, "", "4 行目"},
        {{qft, "--final", notUnitary}, kExitNotUnitary, "", "この行列はユニタリーではありません"},
        {{qft, "--plan", "la11L"}, kExitFailed, "", "plan"},
        {{}, kExitFailed, "", "usage"},
    };
    for (const Row& row : rows) {
        const Outcome run = Decompose(row.args);
        SCOPED_TRACE(row.args.empty() ? "(none)" : row.args.back());
        EXPECT_EQ(run.status, row.status) << run.err;
        EXPECT_NE(run.out.find(row.inOut), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(row.inErr), std::string::npos) << run.err;
    }
}

TEST(CommandLine, TheFactorsAreThoseOfTheWindowBitForBit) {
    std::mt19937_64 rng(12);
    for (int trial = 0; trial < 20; ++trial) {
        const ComplexMatrix target = testing::RandomUnitary(rng);
        testing::WorkbenchFlow window;
        window.SetTargetMatrix(target);
        for (const PlanStep& step : DefaultPlan())
            if (window.form.Get(step.cell).backColour == kRed) window.Step(step.cell, 'L');
        window.FinalGate("1");

        std::ostringstream messages;
        ConsolePlatform console(messages);
        const HeadlessOutcome headless = DecomposeHeadless(target, DefaultPlan(), ComplexMatrix::Identity(), console);
        const Decomposition shown = window.form.CurrentDecomposition();
        ASSERT_EQ(headless.decomposition.factors.size(), shown.factors.size());
        for (std::size_t k = 0; k < shown.factors.size(); ++k)
            EXPECT_TRUE(headless.decomposition.factors[k].BitwiseEquals(shown.factors[k])) << trial << " " << k;
        EXPECT_EQ(headless.decomposition.stepNames, shown.stepNames);
    }
}

TEST(CommandLine, ExportsAndBatchesGoOnPastABadFile) {
    Files files;
    const std::string qft = files.Write("a.gyo", QftMatrix());
    files.Write("b.GYO", ComplexMatrix::Identity());
    std::ofstream(files.folder / "c.gyo") << "short";
    const Outcome exported = Decompose({qft, "--qasm", files.folder / "a.qasm", "--json", files.folder / "a.json"});
    EXPECT_EQ(exported.status, kExitDone) << exported.err;
    EXPECT_TRUE(std::filesystem::exists(files.folder / "a.qasm"));
    EXPECT_TRUE(std::filesystem::exists(files.folder / "a.json"));

    const Outcome batch = Decompose({"--batch", files.folder.str()});
    EXPECT_EQ(batch.status, kExitFailed);
    std::istringstream lines(batch.out);
    std::string a, circuit, b, c;
    std::getline(lines, a);
    std::getline(lines, circuit);
    std::getline(lines, b);
    std::getline(lines, c);
    EXPECT_EQ(a.rfind("a.gyo\t6\t", 0), 0u) << a;
    EXPECT_EQ(circuit.rfind("a.qasm\t", 0), 0u) << circuit;  // the circuit just written, read back as a target
    EXPECT_EQ(b, "b.GYO\t0\t0");
    EXPECT_EQ(c, "c.gyo\t-\tunreadable");
    EXPECT_NE(batch.err.find("c.gyo"), std::string::npos);
}

}  // namespace
}  // namespace selvaris
