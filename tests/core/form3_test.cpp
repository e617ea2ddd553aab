#include <gtest/gtest.h>

#include <string>

#include "core/form3.h"
#include "core/matrix_text.h"

namespace selvaris {
namespace {

TEST(Form3, LayoutOfTheFourLabelledBoxes) {
    SharedRegisters registers;
    Form3 form(registers);
    EXPECT_EQ(form.FormName(), "Form3");
    EXPECT_EQ(form.Caption(), "ユニタリ行列かどうかを調べるための計算");

    struct Geometry {
        const char* name;
        ControlKind kind;
        int left, top, width, height;
    } expected[] = {
        {"Label4", ControlKind::Label, 240, 240, 1110, 180},
        {"Text2", ControlKind::MultiLineTextBox, 240, 480, 6255, 855},
        {"Label6", ControlKind::Label, 6960, 240, 2010, 180},
        {"Text5", ControlKind::MultiLineTextBox, 6960, 480, 6255, 855},
        {"Label5", ControlKind::Label, 240, 1560, 720, 180},
        {"Text4", ControlKind::MultiLineTextBox, 240, 1800, 6255, 855},
        {"Label7", ControlKind::Label, 6960, 1560, 2190, 180},
        {"Text6", ControlKind::MultiLineTextBox, 6960, 1800, 6255, 855},
    };
    EXPECT_EQ(form.Controls().size(), 8u);
    for (const Geometry& g : expected) {
        const Control& c = form.Get(g.name);
        EXPECT_EQ(c.kind, g.kind) << g.name;
        EXPECT_EQ(c.left, g.left) << g.name;
        EXPECT_EQ(c.top, g.top) << g.name;
        EXPECT_EQ(c.width, g.width) << g.name;
        EXPECT_EQ(c.height, g.height) << g.name;
        EXPECT_TRUE(c.visible && c.enabled) << g.name;
        EXPECT_LE(c.left + c.width, form.ClientWidth()) << g.name;
        EXPECT_LE(c.top + c.height, form.ClientHeight()) << g.name;
    }
}

TEST(Form3, LoadCaptionsByModeAndShowsTheFourRegisters) {
    struct Mode {
        bool finalGate;
        const char* label4;
        const char* label5;
        const char* label6;
        const char* label7;
    } modes[] = {
        {false, "ターゲット行列", "随伴行列", "ターゲット行列×随伴行列", "随伴行列×ターゲット行列"},
        {true, "最終ゲート行列", "随伴行列", "最終ゲート行列×随伴行列", "随伴行列×最終ゲート行列"},
    };
    for (const Mode& mode : modes) {
        SharedRegisters registers;
        registers.FinalGateMode = mode.finalGate;
        registers.CheckMatrix = ComplexMatrix::InitialFinalGate();
        registers.AdjointMatrix.re(0, 1) = 0.70710678;
        registers.TargetTimesAdjoint = ComplexMatrix::Identity();
        registers.AdjointTimesTarget.im(2, 0) = -0.25;
        const SharedRegisters before = registers;

        Form3 form(registers);
        form.Load();

        const std::pair<const char*, const char*> labelled[] = {
            {"Label4", mode.label4}, {"Label5", mode.label5}, {"Label6", mode.label6}, {"Label7", mode.label7}};
        const char* boxes[] = {"Text2", "Text4", "Text5", "Text6"};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(form.Text(labelled[i].first), labelled[i].second);
            EXPECT_EQ(form.Get(boxes[i]).accessibleName, labelled[i].second);
        }

        const std::pair<const char*, const ComplexMatrix*> shown[] = {{"Text2", &before.CheckMatrix},
                                                                      {"Text4", &before.AdjointMatrix},
                                                                      {"Text5", &before.TargetTimesAdjoint},
                                                                      {"Text6", &before.AdjointTimesTarget}};
        for (const auto& [box, matrix] : shown) {
            SharedRegisters reference;
            reference.ShowMatrix = *matrix;
            RenderMatrixText(reference);
            EXPECT_EQ(form.Text(box), reference.MatrixText) << box;
        }
        EXPECT_EQ(form.Text("Text2").substr(3 * 78 + 57, 2), "-i");
        EXPECT_EQ(form.Text("Text4").substr(19, 6), "0.7071");
        EXPECT_EQ(form.Text("Text6").substr(2 * 78, 6), "-0.25i");
    }
}

}  // namespace
}  // namespace selvaris
