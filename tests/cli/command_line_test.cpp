#include <gtest/gtest.h>

#include <filesystem>
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

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string out;
    std::string err;
    std::string FirstErrorLine() const { return err.substr(0, err.find('\n')); }
    long ErrorLines() const { return std::count(err.begin(), err.end(), '\n'); }
};

Outcome Selvaris(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}

// A folder of matrix files, made the current folder so messages name them as given.
struct Files {
    testing::TempFolder folder;
    testing::CurrentFolderGuard here{folder.path()};
    Files() {
        Write("qft.gyo", QftMatrix());
        Write("--x.gyo", QftMatrix());
        Write("twice.gyo", testing::Make({{0, 1, 1, 0}}, ComplexMatrix::Identity()));
        std::mt19937_64 rng(7);
        Write("random.gyo", testing::RandomUnitary(rng));
        std::ofstream("short.gyo") << "too short";
        std::ofstream("bell.QASM") << "OPENQASM 2.0;\nqreg q[2];\nh q[1];\ncx q[1],q[0];\n";
        for (const char* batch : {"good", "notunitary", "broken"}) fs::create_directory(batch);
        fs::copy("qft.gyo", "good/a.gyo");
        fs::copy("twice.gyo", "notunitary/a.gyo");
        fs::copy("twice.gyo", "broken/a.gyo");
        fs::copy("short.gyo", "broken/b.gyo");
        fs::copy("qft.gyo", "final.gyo");
        fs::create_symlink("qft.gyo", "link.json");
        fs::create_directory("sub");
    }
    void Write(const std::string& name, const ComplexMatrix& m) { EXPECT_FALSE(WriteMatrixFile(name, m).has_value()); }
};

std::string Plan(const char* item, int count) {
    std::string plan = item;
    for (int k = 1; k < count; ++k) plan += std::string(",") + item;
    return plan;
}

// Every row writes nothing but to standard output: an output that would
// replace an input or another output is refused before anything is read.
TEST(CommandLine, EachArgumentGivesItsStatusAndFirstErrorLine) {
    Files files;
    const std::vector<std::string> entries = testing::FolderEntries(".");
    const std::vector<std::uint8_t> target = testing::ReadBytes("qft.gyo");
    // Every cell with both gates, over and over: runs into the step limit.
    const std::string cycling = Plan("la10L,la10R,la20L,la20R,la21L,la21R,la30L,la30R,la31L,la31R,la32L,la32R", 83);
    const std::string planRule =
        "selvaris: --plan is a comma-separated list of at most 1000 of la10, la20, la21, la30, la31, la32, each "
        "followed by L or R";
    const std::string notUnitary = ": この行列はユニタリーではありません";
    const std::string descriptorName = ": a name under /proc or /dev/fd is refused; write - for standard output";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string outStart;
        std::string firstError;  // the whole first line of standard error
        long errorLines;
    } rows[] = {
        {{"--help"}, kExitDone, "usage: selvaris", "", 0},
        {{"-h"}, kExitDone, "usage: selvaris", "", 0},
        {{"--version"}, kExitDone, "selvaris 1.0\n", "", 0},
        {{"-V"}, kExitDone, "selvaris 1.0\n", "", 0},
        {{"decompose", "--help"}, kExitDone, "usage: selvaris", "", 0},
        {{"decompose", "qft.gyo", "-h", "--bogus"}, kExitDone, "usage: selvaris", "", 0},
        {{"decompose", "-V"}, kExitDone, "selvaris 1.0\n", "", 0},
        {{"decompose"}, kExitFailed, "", "selvaris: decompose needs FILE or --batch DIR (see selvaris --help)", 1},
        {{"decompose", "qft.gyo"}, kExitDone, "qft.gyo: 6 steps, 8 factors\nF0 ", "", 0},
        {{"decompose", "random.gyo", "--plan", "la30L"}, kExitDone, "random.gyo: 1 step, 3 factors\n", "", 0},
        {{"decompose", "--", "--x.gyo"}, kExitDone, "--x.gyo: 6 steps", "", 0},
        {{"decompose", "--x.gyo"}, kExitFailed, "", "selvaris: unknown option --x.gyo (see selvaris --help)", 1},
        {{"decompose", "qft.gyo", "--qasm", ""}, kExitFailed, "", "selvaris: --qasm needs a value, not an empty one", 1},
        {{"decompose", "qft.gyo", "--qasm"}, kExitFailed, "", "selvaris: --qasm needs a value", 1},
        {{"decompose", "qft.gyo", "--plan", "la10L", "--plan", "la10L"}, kExitFailed, "",
         "selvaris: --plan is given twice", 1},
        {{"decompose", "qft.gyo", "twice.gyo"}, kExitFailed, "", "selvaris: one FILE only, not twice.gyo too", 1},
        {{"decompose", "--batch", "good", "--json", "a.json"}, kExitFailed, "",
         "selvaris: --json cannot be given with --batch", 1},
        {{"decompose", "qft.gyo", "--basis", "zx"}, kExitFailed, "", "selvaris: --basis is two-level or cx, not zx", 1},
        {{"decompose", "qft.gyo", "--plan", "la11L"}, kExitFailed, "", planRule, 1},
        {{"decompose", "qft.gyo", "--plan", Plan("la10L", 1001)}, kExitFailed, "", planRule, 1},
        {{"decompose", "qft.gyo", "--plan", Plan("la10L", 1000)}, kExitDone, "qft.gyo: 1 step", "", 0},
        {{"decompose", "random.gyo", "--plan", cycling}, kExitFailed, "",
         "selvaris: target random.gyo: ゲート数が多すぎます", 1},
        {{"decompose", "twice.gyo"}, kExitNotUnitary, "", "selvaris: target twice.gyo" + notUnitary, 1},
        {{"decompose", "qft.gyo", "--final", "twice.gyo"}, kExitNotUnitary, "",
         "selvaris: --final twice.gyo" + notUnitary, 1},
        {{"decompose", "qft.gyo", "--final", "short.gyo"}, kExitFailed, "",
         "selvaris: --final short.gyo: 長さが 9 バイトしかなく、256 バイトに足りません", 1},
        {{"decompose", "missing.gyo"}, kExitFailed, "", "selvaris: target missing.gyo: 見つかりません", 1},
        {{"decompose", "bell.QASM"}, kExitDone, "bell.QASM: 3 steps", "", 0},
        {{"decompose", "qft.gyo", "--json", "-"}, kExitDone, "{\n  \"format\": \"selvaris decomposition\"", "", 0},
        {{"decompose", "--batch", "good"}, kExitDone, "a.gyo\t6\t", "", 0},
        {{"decompose", "--batch", "notunitary"}, kExitNotUnitary, "a.gyo\t-\tnot unitary\n",
         "selvaris: target notunitary/a.gyo" + notUnitary, 1},
        {{"decompose", "--batch", "broken"}, kExitFailed, "a.gyo\t-\tnot unitary\nb.gyo\t-\tunreadable\n",
         "selvaris: target broken/a.gyo" + notUnitary, 2},
        {{"decompose", "--batch", "good", "--final", "twice.gyo"}, kExitNotUnitary, "",
         "selvaris: --final twice.gyo" + notUnitary, 1},
        {{"decompose", "--batch", "nothere"}, kExitFailed, "", "selvaris: --batch nothere: 見つかりません", 1},
        {{"decompose", "qft.gyo", "--qasm", "qft.gyo"}, kExitFailed, "",
         "selvaris: output qft.gyo: the same file as the target", 1},
        {{"decompose", "qft.gyo", "--json", "link.json"}, kExitFailed, "",
         "selvaris: output link.json: the same file as the target", 1},
        {{"decompose", "qft.gyo", "--final", "final.gyo", "--json", "final.gyo"}, kExitFailed, "",
         "selvaris: output final.gyo: the same file as the --final gate", 1},
        {{"decompose", "qft.gyo", "--json", "a.json", "--qasm", "sub/../a.json"}, kExitFailed, "",
         "selvaris: output sub/../a.json: the same file as the --json output", 1},
        {{"decompose", "qft.gyo", "--json", "-", "--qasm", "-"}, kExitFailed, "",
         "selvaris: output -: only one output can go to standard output", 1},
        {{"decompose", "qft.gyo", "--json", "/dev/stdout"}, kExitFailed, "", "selvaris: output /dev/stdout" + descriptorName, 1},
        {{"decompose", "qft.gyo", "--json", "/proc/self/fd/1"}, kExitFailed, "",
         "selvaris: output /proc/self/fd/1" + descriptorName, 1},
        {{"decompose", "qft.gyo", "--latex", "/dev/fd/2"}, kExitFailed, "", "selvaris: output /dev/fd/2" + descriptorName, 1},
    };
    for (const auto& row : rows) {
        const Outcome run = Selvaris(row.args);
        SCOPED_TRACE(row.args.back().substr(0, 40));
        EXPECT_EQ(run.status, row.status) << run.err;
        EXPECT_EQ(run.out.rfind(row.outStart, 0), 0u) << run.out.substr(0, 200);
        EXPECT_EQ(run.FirstErrorLine(), row.firstError);
        EXPECT_EQ(run.ErrorLines(), row.errorLines) << run.err;
    }
    EXPECT_EQ(testing::FolderEntries("."), entries);
    EXPECT_EQ(testing::ReadBytes("qft.gyo"), target);
}

// A batch's one workbench, from file to file, against a fresh window for each;
// plans of other lengths and final gates leave other slots behind them.
TEST(CommandLine, TheFactorsAreThoseOfTheWindowBitForBit) {
    const std::vector<PlanStep> plans[] = {DefaultPlan(), *ParsePlan("la10R,la20R,la30R,la21R,la31R,la32R"),
                                           *ParsePlan("la30L,la10R,la30L")};
    std::mt19937_64 rng(12);
    std::ostringstream messages;
    ConsolePlatform console(messages);
    HeadlessWorkbench batch(console);
    for (int trial = 0; trial < 1000; ++trial) {
        const ComplexMatrix target = testing::RandomUnitary(rng);
        const std::vector<PlanStep>& plan = plans[trial % 3];
        testing::WorkbenchFlow window;
        window.SetTargetMatrix(target);
        for (const PlanStep& step : plan)
            if (window.form.Get(step.cell).backColour == kRed)
                window.Step(step.cell, step.side == GateSide::Left ? 'L' : 'R');
        window.FinalGate(trial % 2 ? "1" : "-i");

        const ComplexMatrix finalGate = trial % 2 ? ComplexMatrix::Identity() : ComplexMatrix::InitialFinalGate();
        const HeadlessOutcome headless = batch.Decompose(target, plan, finalGate);
        const Decomposition shown = window.form.CurrentDecomposition();
        ASSERT_EQ(headless.decomposition.factors.size(), shown.factors.size());
        for (std::size_t k = 0; k < shown.factors.size(); ++k)
            EXPECT_TRUE(headless.decomposition.factors[k].BitwiseEquals(shown.factors[k])) << trial << " " << k;
        EXPECT_EQ(headless.decomposition.stepNames, shown.stepNames);
        ASSERT_EQ(messages.str(), "");
    }
}

}  // namespace
}  // namespace selvaris
