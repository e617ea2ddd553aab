#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "entry/builtin_matrices.h"
#include "files/temp_folder.h"
#include "support/matrix_builders.h"
#include "workbench/form1_controls.h"
#include "workbench_flow.h"

namespace selvaris {
namespace {

using namespace form1;
using testing::WorkbenchFlow;

// Everything the window shows and the next step builds on, bit for bit; the
// status line and the undo and redo buttons follow the history, so not them.
struct Seen {
    std::vector<ControlState> controls;
    WorkbenchState s;
    ComplexMatrix target;
    bool operator==(const Seen& o) const {
        bool same = controls == o.controls && s.StepCount == o.s.StepCount && target.BitwiseEquals(o.target);
        for (int k = 0; same && k < s.StepCount; ++k) {
            const auto i = static_cast<std::size_t>(k);
            same = s.TargetHist.at(k + 1).BitwiseEquals(o.s.TargetHist.at(k + 1)) &&
                   s.GateHist.at(k).BitwiseEquals(o.s.GateHist.at(k)) &&
                   s.MergedGateHist.at(k).BitwiseEquals(o.s.MergedGateHist.at(k)) &&
                   s.GateNameHist[i] == o.s.GateNameHist[i] && s.SingleGateHist[i] == o.s.SingleGateHist[i];
        }
        return same;
    }
};

Seen Look(const WorkbenchFlow& wb) {
    std::vector<ControlState> controls = wb.form.SaveControlStates();
    for (ControlName name : {kStatusLine, kUndoStepButton, kRedoStepButton}) controls[wb.form.IndexOf(name)] = {};
    return {controls, wb.S(), wb.registers.CurrentTarget};
}

// Each target after a step is its gate times the target before, bit for bit.
void ExpectEveryTargetFollowsItsGate(const WorkbenchState& s) {
    const int n = s.StepCount;
    const int gates = n >= 2 && s.GateNameHist[static_cast<std::size_t>(n - 2)] == "org_gate" ? n - 1 : n;
    for (int k = 1; k <= gates; ++k) {
        const bool single = s.SingleGateHist[static_cast<std::size_t>(k - 1)] != 0;
        const ComplexMatrix& gate = single ? s.MergedGateHist.at(k - 1) : s.GateHist.at(k - 1);
        EXPECT_TRUE(s.TargetHist.at(k).BitwiseEquals(ComplexProduct(gate, s.TargetHist.at(k - 1)))) << k;
    }
}

// Undo brings back the window as it was before the step (the final gate, a
// single gate with it), redo as it was before the undo; a new step, single
// gate or its revert leave nothing to redo.
TEST(StepUndo, AnyMixOfStepsUndosAndRedosComesBackBitForBit) {
    std::mt19937_64 rng(71);
    for (int trial = 0; trial < 30; ++trial) {
        WorkbenchFlow wb;
        wb.SetTargetMatrix(testing::RandomUnitary(rng));
        std::vector<Seen> before, undone;
        // A pick not yet chosen and a page turned are not steps: undo goes back past them.
        Seen settled = Look(wb);
        for (int action = 0; action < 40; ++action) {
            const auto roll = rng() % 14;
            Seen now = Look(wb);
            const std::int16_t steps = wb.S().StepCount;
            // Steps after a final gate build on its remainder, which has no slot of its own.
            if (roll < 4 && wb.Enabled(kFinalGateButton)) {
                wb.Step(kPickableCells[rng() % 6].label, rng() % 2 ? 'L' : 'R');
            } else if (roll < 7 && wb.Enabled(kUndoStepButton)) {
                wb.form.PressShortcut("Ctrl+Z");
                EXPECT_EQ(Look(wb), before.back()) << trial << " " << action;
                before.pop_back();
                undone.push_back(std::move(now));
                settled = Look(wb);
                continue;
            } else if (roll < 9 && wb.Enabled(kRedoStepButton)) {
                wb.form.PressShortcut(roll == 7 ? "Ctrl+Y" : "Ctrl+Shift+Z");
                EXPECT_EQ(Look(wb), undone.back()) << trial << " " << action;
                undone.pop_back();
                before.push_back(std::move(settled));
                settled = Look(wb);
                continue;
            } else if (roll == 9 && wb.Enabled(kFinalGateButton)) {
                wb.FinalGate("1");
            } else if ((roll == 10 || roll == 11) && wb.Enabled(roll == 10 ? kSingleGateButton : kUndoSingleGateButton)) {
                wb.form.Click(roll == 10 ? kSingleGateButton : kUndoSingleGateButton);
                undone.clear();
            } else {
                if (roll == 12) wb.form.Click(kPickableCells[rng() % 6].label);
                if (roll == 13) wb.form.Click(rng() % 2 ? kFactorForwardButton : kEarlierGateBackButton);
                continue;
            }
            if (wb.S().StepCount > steps) {
                before.push_back(std::move(settled));
                undone.clear();
            }
            settled = Look(wb);
            EXPECT_EQ(wb.form.UndoableSteps(), before.size());
            EXPECT_EQ(wb.form.RedoableSteps(), undone.size());
            EXPECT_EQ(wb.Enabled(kRedoStepButton), !undone.empty());
            ExpectEveryTargetFollowsItsGate(wb.S());
        }
    }
}

// From every point of a random decomposition the plan clears the rest just
// as picks with L would, and each of its steps is undone on its own.
TEST(StepUndo, TheRestIsDecomposedFromAnyPointAndUndoneOneStepAtATime) {
    std::mt19937_64 rng(5);
    for (int trial = 0; trial < 20; ++trial) {
        const ComplexMatrix target = testing::RandomUnitary(rng);
        const std::uint64_t seed = rng();
        for (int prefix = 0; prefix <= 6; ++prefix) {
            WorkbenchFlow wb, byHand;
            for (WorkbenchFlow* flow : {&wb, &byHand}) {
                flow->SetTargetMatrix(target);
                std::mt19937_64 picks(seed);
                for (int k = 0; k < prefix; ++k) flow->Step(kPickableCells[picks() % 6].label, picks() % 2 ? 'L' : 'R');
            }
            const Seen before = Look(wb);
            const int steps = wb.S().StepCount;
            wb.form.Click(kDecomposeRestButton);
            for (const std::int16_t code : kStandardPlan)
                if (byHand.S().CellColours[code / 4][code % 4] == kRed) byHand.Step(PickableCellOfCode(code)->label, 'L');
            EXPECT_EQ(Look(wb), Look(byHand)) << trial << " " << prefix;
            for (int r = 1; r < 4; ++r)
                for (int c = 0; c < r; ++c) EXPECT_EQ(wb.S().CellColours[r][c], kBlue) << trial << prefix;
            EXPECT_FALSE(wb.Enabled(kDecomposeRestButton));
            EXPECT_EQ(wb.form.RequestedFocus(), kFinalGateButton);
            while (wb.S().StepCount > steps && wb.Enabled(kUndoStepButton)) wb.form.Click(kUndoStepButton);
            EXPECT_EQ(Look(wb), before) << trial << " " << prefix;
        }
    }
}

const std::string kBlueBelow = "対角より下はすべて青です。「最終ゲート」で仕上げてください";
const std::string kPickRed = "対角より下の赤いセルをクリックしてください";

void Qft(WorkbenchFlow& wb) { wb.SetTargetMatrix(QftMatrix()); }
void Step(WorkbenchFlow& wb) { Qft(wb), wb.Step("la31", 'R'); }
void Rest(WorkbenchFlow& wb) { Qft(wb), wb.form.Click(kDecomposeRestButton); }
void Final(WorkbenchFlow& wb) { Rest(wb), wb.FinalGate("1"); }
void Click(WorkbenchFlow& wb, ControlName name) { wb.form.Click(name); }

TEST(Guide, TheStatusLineSaysWhatHappenedAndWhatComesNext) {
    testing::TempFolder folder;
    const std::string qft = folder / "qft";
    const struct Row {
        const char* action;
        std::function<void(WorkbenchFlow&)> act;
        std::string status;
    } rows[] = {
        {"start", [](WorkbenchFlow&) {}, "「ターゲット行列をセット」で行列を入力するか、「ファイルからセット」で読み込んでください"},
        {"target", Qft, kPickRed},
        {"diagonal target", [](WorkbenchFlow& wb) { wb.SetTargetMatrix(ComplexMatrix::Identity()); }, kBlueBelow},
        {"pick", [](WorkbenchFlow& wb) { Qft(wb), Click(wb, "la31"); },
         "行4列2を選びました。このセルを消すゲートを「ゲート選択（L）」か「ゲート選択（R）」で選んでください"},
        {"step", Step, "ステップ 1（2_3_b）を記録しました。" + kPickRed},
        {"single gate", [](WorkbenchFlow& wb) { Step(wb), Click(wb, kSingleGateButton); },
         "ステップ 1 を単一ゲートにしました。" + kPickRed},
        {"the rest", Rest, "残りを自動で分解しました（6 ステップ）。" + kBlueBelow},
        {"undo", [](WorkbenchFlow& wb) { Rest(wb), Click(wb, kUndoStepButton); }, "ステップ 6 を取り消しました。" + kPickRed},
        {"redo", [](WorkbenchFlow& wb) { Rest(wb), Click(wb, kUndoStepButton), Click(wb, kRedoStepButton); },
         "ステップ 6（2_3_b）をやり直しました。" + kBlueBelow},
        {"final gate", Final, "最終ゲートを記録しました。因子は 8 個です。「<」「>」で順に見られます"},
        {"final gate undone", [](WorkbenchFlow& wb) { Final(wb), Click(wb, kUndoStepButton); },
         "最終ゲートを取り消しました。" + kBlueBelow},
        {"export", [&qft](WorkbenchFlow& wb) { Final(wb), wb.platform.saveNames.push_back(qft), Click(wb, kExportButton); },
         "書き出しました：" + qft + ".json、" + qft + ".qasm"},
    };
    for (const Row& row : rows) {
        WorkbenchFlow wb;
        row.act(wb);
        EXPECT_EQ(wb.form.Text(kStatusLine), row.status) << row.action;
        EXPECT_TRUE(wb.platform.messages.empty()) << row.action;
    }
}

// The plan's next cell is framed; both pagers say where they stand among how
// many; the keyboard stops only at the six cells below the diagonal.
TEST(Guide, TheHintThePagersAndTheTabStopsFollowTheSteps) {
    WorkbenchFlow wb;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(wb.form.Get(Form1::CellLabel(r, c)).tabIndex >= 0, r > c) << r << c;
    Qft(wb);
    for (const char* cell : {"la30", "la20", "la10", "la21", "la31", "la32"}) {
        for (const PickableCell& other : kPickableCells) EXPECT_EQ(wb.form.Get(other.label).outlined, other.label == cell);
        wb.Step(cell, 'L');
    }
    for (const PickableCell& cell : kPickableCells) EXPECT_FALSE(wb.form.Get(cell.label).outlined);
    EXPECT_EQ(wb.form.Text(kEarlierGateCountLabel), "6 / 6");  // the latest gate, shown at once
    wb.FinalGate("1");
    wb.form.Click(kEarlierGateBackButton);
    EXPECT_EQ(wb.form.Text(kFactorCountLabel), "1 / 8");
    EXPECT_EQ(wb.form.Text(kEarlierGateCountLabel) + wb.form.Text(kEarlierGatePositionLabel), "5 / 74");
}

}  // namespace
}  // namespace selvaris
