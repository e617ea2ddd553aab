#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "files/matrix_file_io.h"
#include "files/temp_folder.h"
#include "support/matrix_builders.h"
#include "workbench_flow.h"

namespace selvaris {
namespace {

using testing::WorkbenchFlow;

TEST(TargetFileFlow, AFileTakesTheTypedTargetsPathWithItsExactValues) {
    testing::TempFolder folder;
    std::mt19937_64 rng(15);
    const ComplexMatrix exact = testing::RandomUnitary(rng);
    const ComplexMatrix twice = testing::Make({{0, 0, 2, 0}}, ComplexMatrix::Identity());
    ASSERT_FALSE(WriteMatrixFile(folder / "exact.gyo", exact));
    ASSERT_FALSE(WriteMatrixFile(folder / "twice.gyo", twice));
    std::ofstream(folder / "circuit.QASM") << "OPENQASM 2.0;\ninclude \"qelib1.inc\";\nqreg q[2];\nh q[1];\ncx q[1],q[0];\n";
    std::ofstream(folder / "short.npy") << "\x93NUMPY";

    const struct {
        const char* label;
        std::optional<std::string> chosen;
        bool targetSet;
        std::vector<std::string> log;  // after the dialog
    } cases[] = {
        {"full precision", folder / "exact.gyo", true, {}},
        {"OpenQASM, any case", folder / "circuit.QASM", true, {}},
        {"not unitary: message and check window",
         folder / "twice.gyo",
         false,
         {"message:この行列はユニタリーではありません", "show:Form3@4800,3600", "closed:Form3"}},
        {"unreadable", folder / "short.npy", false, {"message:" + folder / "short.npy" + " を開けませんでした（"}},
        {"cancelled", std::nullopt, false, {}},
    };
    for (const auto& tc : cases) {
        WorkbenchFlow wb;
        const ComplexMatrix typedBefore = wb.registers.EntryMatrix;
        wb.platform.openNames.push_back(tc.chosen);
        wb.form.Click("SetTargetFromFileButton");
        ASSERT_FALSE(wb.platform.log.empty()) << tc.label;
        EXPECT_EQ(wb.platform.log[0], "open:ターゲット行列のファイル:*.gyo *.npy *.qasm") << tc.label;
        std::vector<std::string> after(wb.platform.log.begin() + 1, wb.platform.log.end());
        if (tc.log.size() == 1 && after.size() == 1)  // an open failure: only its start is fixed here
            after[0] = after[0].substr(0, tc.log[0].size());
        EXPECT_EQ(after, tc.log) << tc.label;
        EXPECT_EQ(wb.registers.TargetIsSet, tc.targetSet) << tc.label;
        EXPECT_TRUE(wb.registers.EntryMatrix.BitwiseEquals(typedBefore)) << tc.label;
        EXPECT_EQ(wb.Enabled("Command1"), tc.targetSet) << tc.label;
    }

    WorkbenchFlow wb;
    wb.platform.openNames.push_back(folder / "exact.gyo");
    wb.form.Click("SetTargetFromFileButton");
    EXPECT_TRUE(wb.registers.CurrentTarget.BitwiseEquals(exact));
    EXPECT_EQ(wb.form.Get("la10").backColour, kRed);
}

}  // namespace
}  // namespace selvaris
