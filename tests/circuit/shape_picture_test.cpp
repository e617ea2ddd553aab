#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "circuit/shape_picture.h"
#include "core/zero_tests.h"
#include "support/fake_platform.h"

namespace selvaris {
namespace {

using testing::FakePlatform;

struct ParseCase {
    std::string text;
    std::optional<GateShape> expected;
};

class ParseShapeCodeTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseShapeCodeTest, AcceptsOnlyWholeNumbersInRange) {
    EXPECT_EQ(ParseShapeCode(GetParam().text), GetParam().expected) << "text: \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseShapeCodeTest,
    ::testing::Values(ParseCase{"0", 0}, ParseCase{"6", 6}, ParseCase{"7", 7}, ParseCase{"-1", -1},
                      ParseCase{" 3 ", 3}, ParseCase{"+5", 5}, ParseCase{"007", 7}, ParseCase{"-0", 0},
                      ParseCase{"32767", 32767}, ParseCase{"-32768", -32768}, ParseCase{"32768", std::nullopt},
                      ParseCase{"-32769", std::nullopt}, ParseCase{"99999999999999999999", std::nullopt},
                      ParseCase{"", std::nullopt}, ParseCase{"   ", std::nullopt}, ParseCase{"-", std::nullopt},
                      ParseCase{"+", std::nullopt}, ParseCase{"3.0", std::nullopt}, ParseCase{"1e2", std::nullopt},
                      ParseCase{"&H3", std::nullopt}, ParseCase{"abc", std::nullopt}, ParseCase{"3a", std::nullopt},
                      ParseCase{"- 3", std::nullopt}, ParseCase{"--3", std::nullopt},
                      ParseCase{"\xEF\xBC\x91", std::nullopt} /* full-width 1 */));

// The picture boxes and the hidden test controls of the main window.
class PictureWindow : public Window {
public:
    PictureWindow() : Window("Pictures", "", 3000, 3000) {
        AddControl({"Picture1", ControlKind::PictureBox, "", 120, 5400, 1455, 855});
        AddControl({"Picture2", ControlKind::PictureBox, "", 6600, 4800, 1335, 855});
        AddControl({"Textd1", ControlKind::TextBox, "0", 1680, 5640, 615, 270, false});
    }
};

// What a picture box holds after a drawing: everything after the clear.
Drawing Held(GateShape shape) {
    Drawing d = DrawGateShape(shape);
    d.erase(d.begin());
    return d;
}

const Drawing kEarlierPicture = {LinePrimitive(1, 2, 3, 4, kBlack)};

struct TypedCase {
    std::string text;
    std::optional<GateShape> drawn;  // nothing: refused
};

class DrawTypedShapeTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(DrawTypedShapeTest, DrawsIntoPicture1OrRefusesKeepingThePicture) {
    const TypedCase& tc = GetParam();
    PictureWindow form;
    FakePlatform platform;
    form.Draw("Picture1", kEarlierPicture);
    form.Draw("Picture2", kEarlierPicture);
    form.SetText("Textd1", tc.text);

    EXPECT_EQ(DrawTypedShape(form, platform), tc.drawn.has_value());

    if (tc.drawn) {
        EXPECT_EQ(form.Get("Picture1").drawing, Held(*tc.drawn));
        EXPECT_TRUE(platform.messages.empty());
    } else {
        EXPECT_EQ(form.Get("Picture1").drawing, kEarlierPicture);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, kShapeCodeMessage);
        EXPECT_EQ(platform.messages[0].style, 48);
        EXPECT_EQ(platform.messages[0].title, "メッセージ");
    }
    EXPECT_EQ(form.Get("Picture2").drawing, kEarlierPicture);
    EXPECT_EQ(form.Text("Textd1"), tc.text);
    EXPECT_FALSE(form.Get("Textd1").visible);
}

INSTANTIATE_TEST_SUITE_P(Texts, DrawTypedShapeTest,
                         ::testing::Values(TypedCase{"0", 0}, TypedCase{"5", 5}, TypedCase{"6", 6},
                                           TypedCase{"7", 7}, TypedCase{"-1", -1}, TypedCase{"x", std::nullopt},
                                           TypedCase{"", std::nullopt}, TypedCase{"40000", std::nullopt}));

struct FactorCase {
    std::string name;
    ComplexMatrix matrix;
    Drawing held;
};

class ShowFactorShapeTest : public ::testing::TestWithParam<FactorCase> {};

TEST_P(ShowFactorShapeTest, DrawsIntoPicture2Only) {
    PictureWindow form;
    form.Draw("Picture1", kEarlierPicture);
    form.Draw("Picture2", kEarlierPicture);
    SharedRegisters registers;
    registers.ShowMatrix = GetParam().matrix;

    ShowFactorShape(registers, kTolerance, form);

    EXPECT_EQ(form.Get("Picture2").drawing, GetParam().held);
    EXPECT_EQ(form.Get("Picture1").drawing, kEarlierPicture);
}

ComplexMatrix AllNonzero() {
    ComplexMatrix m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) m.re(r, c) = 0.5;
    return m;
}

INSTANTIATE_TEST_SUITE_P(Matrices, ShowFactorShapeTest,
                         ::testing::Values(FactorCase{"Identity", ComplexMatrix::Identity(), Held(6)},
                                           FactorCase{"PhaseOn3", ComplexMatrix::InitialFinalGate(), Held(0)},
                                           FactorCase{"NoRule", AllNonzero(), Drawing{}}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace selvaris
