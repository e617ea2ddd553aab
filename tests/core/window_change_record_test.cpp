#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/matrix_text.h"
#include "core/window.h"

namespace selvaris {
namespace {

class CountingObserver : public WindowObserver {
public:
    void ControlChanged(const Control& control) override {
        ++changes;
        lastText = control.text;
    }
    void WindowChanged() override {}
    void Closed() override {}
    int changes = 0;
    std::string lastText;
};

ComplexMatrix Scaled(double s) {
    ComplexMatrix m = ComplexMatrix::Identity();
    m.re(3, 0) = s;
    m.im(1, 2) = -s / 3;
    return m;
}

class RecordedWindow : public Window {
public:
    RecordedWindow() : Window("Recorded", "", 3000, 3000) {
        for (int i = 0; i < 6; ++i)
            AddControl({"c" + std::to_string(i), ControlKind::FileList, "", 0, 0, 255, 255});
    }
    using Window::Mutable;
};

// Any run of changes, put back from the record alone, leaves every control as
// it was when the record started, however often spent records' storage (long
// texts among it) has been handed back for reuse.
TEST(ChangeRecord, PutsBackEveryFieldOfAnyRunOfChanges) {
    std::mt19937 rng(5);
    RecordedWindow w;
    w.TakeChangeRecord();
    std::vector<std::vector<ChangedControl>> spent;
    for (int run = 0; run < 200; ++run) {
        if (run % 7 == 6) w.RecycleChangeRecords(std::move(spent));
        const std::vector<ControlState> before = w.SaveControlStates();
        for (int change = 0; change < 12; ++change) {
            const std::string name = "c" + std::to_string(rng() % 6);
            switch (rng() % 9) {
                case 8: w.SetMatrixText(name, Scaled(static_cast<double>(rng() % 3))); break;
                case 0: w.SetText(name, std::string(rng() % 2 ? 1 : 40, static_cast<char>('0' + rng() % 3))); break;
                case 1: w.SetBackColour(name, rng() % 2 ? kRed : kLightGrey); break;
                case 2: w.SetEnabled(name, rng() % 2 == 0); break;
                case 3: w.SetVisible(name, rng() % 2 == 0); break;
                case 4: w.SetOutlined(name, rng() % 2 == 0); break;
                case 5: w.SetItems(name, {"a", "b"}, static_cast<int>(rng() % 3) - 1); break;
                case 6:
                    if (rng() % 2) w.Draw(name, {ClearPrimitive()});
                    else w.Draw(name, {{PrimitiveKind::Line, 0, 0, 9, 9, 0, kRed}});
                    break;
                default: w.Mutable(name).text += "x"; break;
            }
        }
        const std::vector<ControlState> changed = w.SaveControlStates();
        w.RestoreChanged(w.TakeChangeRecord());
        EXPECT_EQ(w.SaveControlStates(), before) << run;
        // Putting back is recorded as changes too, so it can be undone in turn.
        w.RestoreChanged(w.TakeChangeRecord());
        EXPECT_EQ(w.SaveControlStates(), changed) << run;
        spent.push_back(w.TakeChangeRecord());
    }
}

// The binding hears of a change only when something changed.
TEST(ChangeRecord, SettersThatChangeNothingTellNobody) {
    RecordedWindow w;
    CountingObserver observer;
    w.SetObserver(&observer);
    w.SetText("c0", "t");
    w.SetBackColour("c0", kRed);
    w.SetEnabled("c0", false);
    const int after = observer.changes;
    w.SetText("c0", "t");
    w.SetBackColour("c0", kRed);
    w.SetEnabled("c0", false);
    w.SetVisible("c0", true);
    w.SetOutlined("c0", false);
    EXPECT_EQ(observer.changes, after);
    w.TakeChangeRecord();
    w.SetText("c0", "t");
    EXPECT_TRUE(w.TakeChangeRecord().empty());
}

// A name is found by what it says, wherever its characters are kept.
TEST(ControlNames, AreFoundByContentOnly) {
    RecordedWindow w;
    std::string reused = "c3";
    EXPECT_EQ(w.IndexOf(reused), 3u);
    reused = "c4";  // the same buffer now names another control
    EXPECT_EQ(w.IndexOf(reused), 4u);
    reused = "c9";
    EXPECT_FALSE(w.Has(reused));
    for (const std::string_view unknown : {std::string_view{}, std::string_view(""), std::string_view("c0x")}) {
        EXPECT_FALSE(w.Has(unknown));
        EXPECT_THROW(w.IndexOf(unknown), std::out_of_range);
    }
}

// A name with a slot is found by the slot once known, yet two names that
// share a slot, or a slot first filled by another window, never mix up.
TEST(ControlNames, WithASlotFindTheirOwnControl) {
    static constexpr ControlName kC2{"c2", 7};
    static constexpr ControlName kC5{"c5", 7};
    static constexpr ControlName kMissing{"c7", 8};
    RecordedWindow w;
    RecordedWindow other;
    const std::string built = "c5";
    const struct {
        ControlName name;
        std::size_t index;
    } looks[] = {{kC2, 2}, {kC5, 5}, {kC2, 2}, {built, 5}, {kC5, 5}, {"c2", 2}, {kC2, 2}};
    for (const auto& look : looks) {
        EXPECT_EQ(w.IndexOf(look.name), look.index) << look.name.View();
        EXPECT_EQ(other.IndexOf(look.name), look.index) << look.name.View();
    }
    EXPECT_FALSE(w.Has(kMissing));
    EXPECT_THROW(w.IndexOf(kMissing), std::out_of_range);
    w.SetText(kC5, "five");
    EXPECT_EQ(w.Text("c5"), "five");
}

// A hidden box's matrix text is written only when read, and reads the same
// wherever it is read; a visible one, or one shown later, is written for the binding.
TEST(PendingMatrixText, ReadsAsItsRenderingFromEveryReader) {
    const ComplexMatrix m = Scaled(0.25);
    const std::string expected = MatrixTextOf(m);
    using Read = std::string (*)(RecordedWindow&);
    const Read readers[] = {
        [](RecordedWindow& w) { return w.Text("c1"); },
        [](RecordedWindow& w) { return w.ControlAt(w.IndexOf("c1")).text; },
        [](RecordedWindow& w) { return w.Controls()[1].text; },
        [](RecordedWindow& w) { return w.Mutable("c1").text; },
    };
    for (const Read read : readers) {
        RecordedWindow w;
        CountingObserver observer;
        w.SetObserver(&observer);
        w.SetVisible("c1", false);
        w.TakeChangeRecord();
        const std::vector<ControlState> blank = w.SaveControlStates();
        w.SetMatrixText("c1", m);
        EXPECT_NE(w.SaveControlStates(), blank);
        EXPECT_EQ(read(w), expected);
        w.RestoreChanged(w.TakeChangeRecord());
        EXPECT_EQ(w.Text("c1"), "");
        w.SetMatrixText("c1", m);
        w.SetVisible("c1", true);
        EXPECT_EQ(observer.lastText, expected);
        w.SetMatrixText("c0", Scaled(2));
        EXPECT_EQ(observer.lastText, MatrixTextOf(Scaled(2)));
    }
}

}  // namespace
}  // namespace selvaris
