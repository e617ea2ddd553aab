#include <gtest/gtest.h>

#include <functional>

#include "core/inversion.h"
#include "workbench_flow.h"

namespace selvaris {
namespace {

// A final gate of 0.05 x identity passes the unitarity check, and its
// elimination floors U(1,1) (rows 2 and 3) and U(2,2). After it the remainder's
// slot holds no gate at all, so a later step also meets one it cannot invert.
TEST(InversionMessageFlow, EveryStepRepeatsTheMessagesOfTheGatesBeforeIt) {
    const std::string s1 = std::string("1:") + kSmallDiagonalMessage, s2 = std::string("2:") + kSmallDiagonalMessage;
    const std::string none = std::string("メッセージ:") + kNotInvertibleMessage;
    ComplexMatrix small;
    for (int d = 0; d < 4; ++d) small.re(d, d) = 0.05;
    testing::WorkbenchFlow wb;
    wb.SetTargetMatrix(testing::HadamardPair());
    const struct {
        const char* what;
        std::function<void()> act;
        std::vector<std::string> messages;
    } rows[] = {
        {"step", [&] { wb.Step("la10", 'L'); }, {}},
        {"final gate",
         [&] {
             wb.registers.FinalGateMatrix = small;
             wb.registers.ExecuteChosen = true;
             wb.form.AcceptFinalGate();
         },
         {s1, s1, s2, s1, s1, s2}},
        {"step after it", [&] { wb.Step("la20", 'L'); }, {none, s1, s1, s2}},
        {"undo", [&] { wb.form.Click("UndoStepButton"); }, {}},
        {"redo", [&] { wb.form.Click("RedoStepButton"); }, {}},
        {"single gate", [&] { wb.form.Click("Command14"); }, {none, s1, s1, s2}},
        {"two-level again", [&] { wb.form.Click("Command12"); }, {none, s1, s1, s2}},
    };
    for (const auto& row : rows) {
        wb.platform.messages.clear();
        row.act();
        std::vector<std::string> shown;
        for (const auto& m : wb.platform.messages) shown.push_back(m.title + ":" + m.text);
        EXPECT_EQ(shown, row.messages) << row.what;
    }
    EXPECT_EQ(wb.S().StepCount, 4);
}

}  // namespace
}  // namespace selvaris
