#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "entry/builtin_matrices.h"
#include "entry/form7.h"
#include "support/fake_platform.h"

namespace selvaris {
namespace {

using testing::FakePlatform;
using Cells = std::array<std::array<std::string, 4>, 4>;

Cells CellTexts(const Window& w) {
    Cells texts;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) texts[r][c] = w.Text(Form7::CellName(r, c));
    return texts;
}

void TypeCells(Window& w, const Cells& texts) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) w.TypeText(Form7::CellName(r, c), texts[r][c]);
}

const Cells kIdentityTexts = {{{"1", "0", "0", "0"}, {"0", "1", "0", "0"}, {"0", "0", "1", "0"}, {"0", "0", "0", "1"}}};

ComplexMatrix Diagonal(double a, double b, double c, double d) {
    ComplexMatrix m;
    m.re(0, 0) = a, m.re(1, 1) = b, m.re(2, 2) = c, m.re(3, 3) = d;
    return m;
}

class EntryFlow : public ::testing::Test {
protected:
    // Opens the entry window as its callers do and lets the user act in it;
    // the fake platform closes it by its close box if the user did not.
    void Open(std::function<void(Window&)> user) {
        platform.OnShow("Form7", std::move(user));
        Form7 form(registers, platform);
        const int w = platform.ScreenWidthTwips();
        const int h = platform.ScreenHeightTwips();
        form.SetPosition(w / 2 - w / 4, h / 3);
        platform.ShowModal(form);
        EXPECT_TRUE(form.IsClosed());
    }

    // The cell texts right after opening, then cancel.
    Cells Look() {
        Cells seen;
        Open([&](Window& w) {
            seen = CellTexts(w);
            w.Click("Command10");
        });
        return seen;
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : platform.messages) texts.push_back(m.text);
        return texts;
    }

    bool LogHas(const std::string& entry) const {
        return std::find(platform.log.begin(), platform.log.end(), entry) != platform.log.end();
    }
    bool LogHasPrefix(const std::string& prefix) const {
        return std::any_of(platform.log.begin(), platform.log.end(),
                           [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
    }

    SharedRegisters registers;
    FakePlatform platform;
};

TEST_F(EntryFlow, AllZeroEntryMatrixOpensAsIdentityAndBecomesIt) {
    EXPECT_EQ(Look(), kIdentityTexts);
    EXPECT_TRUE(registers.EntryMatrix.BitwiseEquals(ComplexMatrix::Identity()));
}

TEST_F(EntryFlow, OpeningShowsTheEntryMatrixUnrounded) {
    registers.EntryMatrix = QftMatrix();
    registers.EntryMatrix.re(0, 0) = 0.5;
    registers.EntryMatrix.im(0, 0) = -0.25;
    registers.EntryMatrix.re(2, 3) = 0.70710678;
    const Cells seen = Look();
    EXPECT_EQ(seen[0][0], "0.5-0.25i");
    EXPECT_EQ(seen[2][3], "0.70710678");
    EXPECT_EQ(seen[1][2], "i");
    EXPECT_EQ(seen[3][2], "-i");
}

TEST_F(EntryFlow, DecideStoresEveryCellAndClearsCancelled) {
    Open([](Window& w) {
        TypeCells(w, {{{"1", "-0.5", "i", ""}, {"2+3i", "-i", "0", "1.25-2i"},
                       {"99999", "1-i", "-2.5i", "0"}, {"0", "0", "0", "4"}}});
        w.Click("Command9");
    });
    EXPECT_FALSE(registers.EntryCancelled);
    EXPECT_FALSE(registers.EntryError);
    EXPECT_TRUE(platform.messages.empty());
    const ComplexMatrix& m = registers.EntryMatrix;
    EXPECT_EQ(m.re(0, 1), -0.5);
    EXPECT_EQ(m.im(0, 2), 1.0);
    EXPECT_EQ(m.re(0, 3), 0.0);
    EXPECT_EQ(m.re(1, 0), 2.0);
    EXPECT_EQ(m.im(1, 0), 3.0);
    EXPECT_EQ(m.im(1, 1), -1.0);
    EXPECT_EQ(m.re(1, 3), 1.25);
    EXPECT_EQ(m.im(1, 3), -2.0);
    EXPECT_EQ(m.re(2, 0), 99999.0);
    EXPECT_EQ(m.im(2, 1), -1.0);
    EXPECT_EQ(m.im(2, 2), -2.5);
    EXPECT_EQ(m.re(3, 3), 4.0);
}

TEST_F(EntryFlow, CancelAndCloseBoxStoreNothing) {
    struct Way {
        const char* name;
        bool clickCancel;
    };
    for (const Way way : {Way{"キャンセル", true}, Way{"close box", false}}) {
        SCOPED_TRACE(way.name);
        registers = SharedRegisters{};
        registers.EntryMatrix = Diagonal(2, 2, 2, 2);
        Open([&](Window& w) {
            w.TypeText("T00", "5");
            w.TypeText("T11", "not a number");
            if (way.clickCancel) w.Click("Command10");
        });
        EXPECT_TRUE(registers.EntryMatrix.BitwiseEquals(Diagonal(2, 2, 2, 2)));
        EXPECT_TRUE(registers.EntryCancelled);
        EXPECT_FALSE(registers.EntryError);
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST_F(EntryFlow, OneRefusedCellIsReportedAndMarkedOnTheNextOpening) {
    Open([](Window& w) {
        w.TypeText("T11", "7");
        w.TypeText("T21", "1.2.3");
        w.TypeText("T03", "-2i");
        w.Click("Command9");
    });
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"小数点の数が多すぎます。修正が必要なセルは3行2列です。 E16"});
    EXPECT_EQ(platform.messages[0].style, 48);
    EXPECT_EQ(platform.messages[0].title, "Message");
    EXPECT_TRUE(registers.EntryError);
    EXPECT_FALSE(registers.EntryCancelled);
    EXPECT_EQ(registers.EntryErrorRow, 2);
    EXPECT_EQ(registers.EntryErrorColumn, 1);
    // Stored regardless, with the value of the cell parsed just before it (T11).
    EXPECT_EQ(registers.EntryMatrix.re(2, 1), 7.0);

    Cells expected = kIdentityTexts;
    expected[1][1] = "7";
    expected[2][1] = "Error";
    expected[0][3] = "-2i";
    EXPECT_EQ(Look(), expected);
    // The load cleared the flag; cancelling that opening leaves it clear.
    EXPECT_FALSE(registers.EntryError);
    EXPECT_EQ(Look()[2][1], "7");  // the mark is shown once
}

// Each refused cell was stored with the value of the cell parsed before it,
// which the user never typed: every one of them is marked, not only the last.
TEST_F(EntryFlow, TwoRefusedCellsReportInColumnOrderAndAreBothMarked) {
    Open([](Window& w) {
        w.TypeText("T01", "-1y");
        w.TypeText("T10", "-1x");
        w.TypeText("T20", "2.5");
        w.Click("Command9");
    });
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                  "使用できない文字があります。修正が必要なセルは2行1列です。 E14",
                                  "使用できない文字があります。修正が必要なセルは1行2列です。 E14",
                              }));
    EXPECT_EQ(registers.EntryErrorRow, 0);
    EXPECT_EQ(registers.EntryErrorColumn, 1);

    Cells expected = kIdentityTexts;
    expected[1][0] = "Error";
    expected[2][0] = "2.5";
    expected[0][1] = "Error";
    EXPECT_EQ(Look(), expected);
}

// Enter in a cell runs the closing button that is shown: "決定して閉じる" in
// target mode, "実行" in final-gate mode; Enter on another button runs that one.
TEST_F(EntryFlow, EnterInACellRunsTheVisibleClosingButton) {
    for (const bool finalGate : {false, true}) {
        SCOPED_TRACE(finalGate ? "final gate" : "target");
        registers = SharedRegisters{};
        registers.FinalGateMode = finalGate;
        Open([](Window& w) {
            w.PressEnter("Command3");  // クリア, not a closing
            w.TypeText("T33", "2");
            w.PressEnter("T33");
        });
        EXPECT_EQ(registers.ExecuteChosen, finalGate);
        EXPECT_EQ((finalGate ? registers.FinalGateMatrix : registers.EntryMatrix).re(3, 3), 2.0);
    }
}

TEST_F(EntryFlow, ClearResetsTextsOnly) {
    struct Then {
        const char* button;
        bool stored;
    };
    for (const Then then : {Then{"Command10", false}, Then{"Command9", true}}) {
        SCOPED_TRACE(then.button);
        registers = SharedRegisters{};
        registers.EntryMatrix = QftMatrix();
        Cells afterClear;
        Open([&](Window& w) {
            w.Click("Command3");
            afterClear = CellTexts(w);
            w.Click(then.button);
        });
        EXPECT_EQ(afterClear, kIdentityTexts);
        EXPECT_TRUE(registers.EntryMatrix.BitwiseEquals(then.stored ? ComplexMatrix::Identity() : QftMatrix()));
    }
}

TEST_F(EntryFlow, FinalGateModeEditsOnlyT33AndExecuteStoresIt) {
    registers.FinalGateMode = true;
    registers.FinalGateMatrix = ComplexMatrix::InitialFinalGate();
    registers.EntryMatrix = Diagonal(3, 3, 3, 3);
    Cells shown;
    bool stillOpenAfterDecide = false;
    Open([&](Window& w) {
        shown = CellTexts(w);
        w.TypeText("T00", "5");
        w.TypeText("T32", "5");
        w.TypeText("T33", "0.5+0.5i");
        w.Click("Command9");  // hidden in this mode
        stillOpenAfterDecide = !w.IsClosed();
        w.Click("Command7");
    });
    Cells expected = kIdentityTexts;
    expected[3][3] = "-i";
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(stillOpenAfterDecide);

    ComplexMatrix result = ComplexMatrix::Identity();
    result.re(3, 3) = 0.5;
    result.im(3, 3) = 0.5;
    EXPECT_TRUE(registers.FinalGateMatrix.BitwiseEquals(result));
    EXPECT_TRUE(registers.ExecuteChosen);
    EXPECT_FALSE(registers.EntryCancelled);
    EXPECT_TRUE(registers.EntryMatrix.BitwiseEquals(Diagonal(3, 3, 3, 3)));
}

TEST_F(EntryFlow, FinalGateCloseBoxStoresNothing) {
    registers.FinalGateMode = true;
    registers.FinalGateMatrix = ComplexMatrix::InitialFinalGate();
    Open([](Window& w) { w.TypeText("T33", "1"); });
    EXPECT_TRUE(registers.FinalGateMatrix.BitwiseEquals(ComplexMatrix::InitialFinalGate()));
    EXPECT_FALSE(registers.ExecuteChosen);
    EXPECT_TRUE(registers.EntryCancelled);
}

// The refused cell must not take the value of the cell parsed before it.
TEST_F(EntryFlow, FinalGateRefusedT33KeepsTheGateAsItWasAndIsMarked) {
    registers.FinalGateMode = true;
    registers.FinalGateMatrix = ComplexMatrix::InitialFinalGate();
    Open([](Window& w) {
        w.TypeText("T33", "1i2");
        w.Click("Command7");
    });
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"i の位置が間違っています。修正が必要なセルは4行4列です。 E12"});
    EXPECT_TRUE(registers.EntryError);
    EXPECT_TRUE(registers.ExecuteChosen);
    EXPECT_TRUE(registers.FinalGateMatrix.BitwiseEquals(ComplexMatrix::InitialFinalGate()));
    EXPECT_EQ(Look()[3][3], "Error");
}

// A cell refused in target mode lies in a cell that the final gate locks: it
// keeps the final gate's value, so "実行" stores that matrix as it was.
TEST_F(EntryFlow, RefusalInALockedCellIsNotMarkedForTheFinalGate) {
    Open([](Window& w) {
        w.TypeText("T01", "x");
        w.Click("Command9");
    });
    ASSERT_TRUE(registers.EntryError);
    platform.messages.clear();

    registers.FinalGateMode = true;
    registers.FinalGateMatrix = ComplexMatrix::InitialFinalGate();
    Cells shown;
    Open([&](Window& w) {
        shown = CellTexts(w);
        w.Click("Command7");
    });
    Cells expected = kIdentityTexts;
    expected[3][3] = "-i";
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(registers.EntryError);
    EXPECT_TRUE(registers.FinalGateMatrix.BitwiseEquals(ComplexMatrix::InitialFinalGate()));
}

TEST_F(EntryFlow, BuiltInMatrices) {
    struct Preset {
        const char* button;
        Cells texts;
        ComplexMatrix matrix;
    };
    const Preset presets[] = {
        {"Command6",
         {{{"1", "1", "1", "1"}, {"1", "-1", "i", "-i"}, {"1", "1", "-1", "-1"}, {"1", "-1", "-i", "i"}}},
         QftMatrix()},
        {"Command11",
         {{{"1", "1", "1", "1"}, {"1", "-1", "1", "-1"}, {"1", "-i", "-1", "i"}, {"1", "i", "-1", "-i"}}},
         IqftMatrix()},
        {"Command8",
         {{{"1.4142", "1.4142", "0", "0"}, {"1", "-1", "i", "-i"}, {"0", "0", "1.4142", "1.4142"},
           {"1", "-1", "-i", "i"}}},
         TestMatrix()},
    };
    for (const Preset& p : presets) {
        SCOPED_TRACE(p.button);
        registers = SharedRegisters{};
        Cells shown;
        Open([&](Window& w) {
            w.SetVisible("Command8", true);  // the test button is never shown to users
            w.Click(p.button);
            shown = CellTexts(w);
            w.Click("Command10");
        });
        EXPECT_EQ(shown, p.texts);
        EXPECT_TRUE(registers.EntryMatrix.BitwiseEquals(p.matrix));
        // Each text reads back as exactly the stored element.
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) {
                const CellCheck check = CheckCellText(p.texts[r][c]);
                ASSERT_TRUE(check.accepted);
                EXPECT_EQ(check.real, p.matrix.re(r, c)) << r << "," << c;
                EXPECT_EQ(check.imag, p.matrix.im(r, c)) << r << "," << c;
            }
    }
    // The inverse transform is the conjugate transpose (the conjugate of 0 is -0, hence ==).
    const ComplexMatrix adjoint = Adjoint(QftMatrix());
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(IqftMatrix().re(r, c), adjoint.re(r, c));
            EXPECT_EQ(IqftMatrix().im(r, c), adjoint.im(r, c));
        }
}

TEST_F(EntryFlow, SaveWithRefusedCellKeepsTheWindowOpenAndDoesNotOpenSaveWindow) {
    bool closedAfterSave = true;
    Open([&](Window& w) {
        w.TypeText("T22", "x");
        w.Click("Command5");
        closedAfterSave = w.IsClosed();
        w.Click("Command10");
    });
    EXPECT_FALSE(closedAfterSave);
    EXPECT_FALSE(LogHasPrefix("show:Form8"));
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"使用できない文字があります。修正が必要なセルは3行3列です。 E14"});
    EXPECT_TRUE(registers.EntryError);
}

TEST_F(EntryFlow, SaveWithGoodCellsStoresThenOpensSaveWindowPlaced) {
    platform.screenWidth = 20490;
    platform.screenHeight = 11523;
    for (const bool finalGate : {false, true}) {
        SCOPED_TRACE(finalGate ? "final gate" : "target");
        registers = SharedRegisters{};
        registers.FinalGateMode = finalGate;
        registers.FinalGateMatrix = ComplexMatrix::InitialFinalGate();
        platform.log.clear();
        double seenBySaveWindow = 0;
        platform.OnShow("Form8", [&](Window&) { seenBySaveWindow = registers.EntryMatrix.im(3, 3); });
        Open([](Window& w) {
            w.TypeText("T33", "-3i");
            w.Click("Command5");
            w.Click("Command10");
        });
        EXPECT_TRUE(LogHas("show:Form8@5123,2880"));  // 10245 - 5122, 11523 \ 4
        EXPECT_EQ(seenBySaveWindow, -3.0);
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST_F(EntryFlow, OpenFileShowsTheLoadedMatrixOnlyWhenOneWasLoaded) {
    platform.screenWidth = 20490;
    platform.screenHeight = 11523;
    for (const bool loaded : {true, false}) {
        SCOPED_TRACE(loaded ? "loaded" : "closed without a file");
        registers = SharedRegisters{};
        platform.log.clear();
        platform.OnShow("Form9", [&](Window& w) {
            if (!loaded) return;
            registers.EntryMatrix = Diagonal(-1, 1, 1, 1);
            registers.MatrixFileLoaded = true;
            w.Close();
        });
        Cells shown;
        Open([&](Window& w) {
            w.TypeText("T12", "2.5");
            w.Click("Command4");
            shown = CellTexts(w);
            w.Click("Command10");
        });
        EXPECT_TRUE(LogHas("show:Form9@5123,2880"));
        Cells expected = kIdentityTexts;
        if (loaded)
            expected[0][0] = "-1";
        else
            expected[1][2] = "2.5";
        EXPECT_EQ(shown, expected);
    }
}

// After a refused save the user corrects the cell; deciding then stores the
// corrected matrix instead of silently dropping it.
TEST_F(EntryFlow, DecideAfterARefusedSaveParsesTheCorrectedCells) {
    Open([](Window& w) {
        w.TypeText("T22", "x");
        w.Click("Command5");
        w.TypeText("T22", "2");
        w.Click("Command9");
    });
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(registers.EntryError);
    EXPECT_FALSE(registers.EntryCancelled);
    EXPECT_TRUE(registers.EntryMatrix.BitwiseEquals(Diagonal(1, 1, 2, 1)));
}

TEST_F(EntryFlow, DecideAfterARefusedSaveStillReportsACellLeftWrong) {
    Open([](Window& w) {
        w.TypeText("T22", "x");
        w.Click("Command5");
        w.Click("Command9");
    });
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_TRUE(registers.EntryError);
    EXPECT_EQ(Look()[2][2], "Error");
}

TEST_F(EntryFlow, ValueTooLongToRetypeAsShownIsRefusedOnDecide) {
    registers.EntryMatrix = ComplexMatrix::Identity();
    registers.EntryMatrix.re(0, 0) = 0.7071067811865476;
    Open([](Window& w) { w.Click("Command9"); });
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"文字数が多すぎます。修正が必要なセルは1行1列です。 E15"});
    EXPECT_TRUE(registers.EntryError);
}

TEST_F(EntryFlow, HiddenDataButtonsStoreAndShowWhenReached) {
    Cells shown;
    Open([&](Window& w) {
        w.TypeText("T01", "4");
        w.SetVisible("Command1", true);
        w.SetEnabled("Command1", true);
        w.Click("Command1");
        w.TypeText("T01", "junk");
        w.SetVisible("Command2", true);
        w.SetEnabled("Command2", true);
        w.Click("Command2");
        shown = CellTexts(w);
        w.Click("Command10");
    });
    EXPECT_EQ(shown[0][1], "4");
    EXPECT_EQ(registers.EntryMatrix.re(0, 1), 4.0);
}

}  // namespace
}  // namespace selvaris
