#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "entry/builtin_matrices.h"
#include "export/circuit.h"
#include "export/circuit_check.h"  // tests/export
#include "export/reconstruction.h"
#include "files/temp_folder.h"
#include "support/matrix_builders.h"
#include "workbench_flow.h"

namespace selvaris {
namespace {

using testing::WorkbenchFlow;

std::string Contents(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Decomposed : WorkbenchFlow {
    testing::TempFolder folder;
    Decomposed() {
        SetTargetMatrix(QftMatrix());
        for (const char* cell : {"la30", "la20", "la10", "la21", "la31", "la32"})
            if (form.Get(cell).backColour == kRed) Step(cell, 'L');
        FinalGate("1");
    }
};

TEST(ExportFlow, TheErrorLineAndTheExportBelongToTheCurrentFactorList) {
    Decomposed wb;
    const Decomposition d = wb.form.CurrentDecomposition();
    EXPECT_EQ(d.factors.size(), static_cast<std::size_t>(wb.S().StepCount));
    EXPECT_EQ(d.stepNames.size(), d.factors.size() - 1);
    EXPECT_EQ(wb.form.Text("ReconstructionErrorLabel"), ReconstructionErrorLine(ReconstructionError(d)));
    EXPECT_LT(ReconstructionError(d), 1e-14);
    ASSERT_TRUE(wb.Enabled("ExportButton"));

    wb.platform.saveNames.push_back(wb.folder / "qft.qasm");
    wb.form.Click("ExportButton");
    EXPECT_TRUE(wb.platform.messages.empty());
    EXPECT_NE(Contents(wb.folder / "qft.qasm").find("qreg q[2];"), std::string::npos);
    EXPECT_NE(Contents(wb.folder / "qft.json").find("\"factors\""), std::string::npos);

    wb.SetTargetMatrix(QftMatrix());
    EXPECT_EQ(wb.form.Text("ReconstructionErrorLabel"), "");
    EXPECT_FALSE(wb.Enabled("ExportButton"));
}

TEST(ExportFlow, AFileBesideTheChosenOneIsOnlyReplacedWhenTheUserSaysSo) {
    Decomposed wb;
    std::ofstream(wb.folder / "kept.json") << "mine";
    wb.platform.saveNames = {wb.folder / "kept.qasm", std::nullopt};
    wb.platform.Answer(MessageAnswer::No);
    wb.form.Click("ExportButton");
    ASSERT_EQ(wb.platform.messages.size(), 1u);
    EXPECT_EQ(wb.platform.messages[0].title, "Tormelle");
    EXPECT_EQ(Contents(wb.folder / "kept.json"), "mine");
    EXPECT_FALSE(std::filesystem::exists(wb.folder / "kept.qasm"));

    wb.form.Click("ExportButton");  // cancelled in the dialog: nothing asked, nothing written
    EXPECT_EQ(wb.platform.messages.size(), 1u);
    EXPECT_EQ(Contents(wb.folder / "kept.json"), "mine");
}

TEST(ExportFlow, TheChosenFileTypeIsWrittenUnderItsEnding) {
    Decomposed wb;
    const struct {
        const char* chosen;
        int type;
        std::vector<std::string> written;
        const char* message;
    } cases[] = {
        {"both", 0, {"both.json", "both.qasm"}, nullptr},
        {"paper", 4, {"paper.tex"}, nullptr},
        {"three.qasm", 2, {"three.qasm"}, nullptr},
        {"data", 10, {"data.json"}, nullptr},
        {"picture", 6, {}, "ここでは回路図を描けません"},  // no renderer handed in
    };
    for (const auto& tc : cases) {
        wb.platform.messages.clear();
        wb.platform.saveNames.push_back(wb.folder / tc.chosen);
        wb.platform.exportTypes.push_back(tc.type);
        wb.form.Click("ExportButton");
        for (const std::string& name : tc.written)
            EXPECT_TRUE(std::filesystem::exists(wb.folder / name)) << tc.chosen << " " << name;
        ASSERT_EQ(wb.platform.messages.size(), tc.message ? 1u : 0u) << tc.chosen;
        if (tc.message) {
            EXPECT_NE(wb.platform.messages[0].text.find(tc.message), std::string::npos);
        }
    }
    EXPECT_EQ(wb.platform.lastExportFilters.size(), 11u);
    EXPECT_EQ(testing::FolderEntries(wb.folder.str()).size(), 5u);  // nothing else was written
}

// The usual way in: a unitary typed with four decimals, decomposed by the
// default picks; its circuit is written and says truly how far it is.
TEST(ExportFlow, EveryTypedMatrixIsWrittenAsACircuitThatStatesItsError) {
    testing::TempFolder folder;
    std::mt19937_64 rng(20261208);
    for (int n = 0; n < 200; ++n) {
        WorkbenchFlow wb;
        const ComplexMatrix typed = testing::FourDecimals(testing::RandomUnitary(rng));
        wb.SetTargetMatrix(typed);
        for (const char* cell : {"la30", "la20", "la10", "la21", "la31", "la32"})
            if (wb.form.Get(cell).backColour == kRed) wb.Step(cell, 'L');
        wb.FinalGate("-i");
        const std::string name = folder / ("typed" + std::to_string(n));
        wb.platform.saveNames.push_back(name + ".qasm");
        wb.form.Click("ExportButton");
        ASSERT_TRUE(wb.platform.messages.empty()) << n << ": " << wb.platform.messages[0].text;

        const double stated = testing::StatedCircuitError(Contents(name + ".json"));
        EXPECT_NEAR(testing::QasmDistanceFromTarget(Contents(name + ".qasm"), typed), stated, 1e-12) << n;
        EXPECT_LT(stated, 5e-3) << n;
        EXPECT_EQ(wb.form.Text("CircuitErrorLabel"), CircuitErrorLine(stated)) << n;
    }
}

}  // namespace
}  // namespace selvaris
