#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/window.h"

namespace selvaris {
namespace {

class CountingObserver : public WindowObserver {
public:
    void ControlChanged(const Control&) override { ++changes; }
    void WindowChanged() override {}
    void Closed() override {}
    int changes = 0;
};

class RecordedWindow : public Window {
public:
    RecordedWindow() : Window("Recorded", "", 3000, 3000) {
        for (int i = 0; i < 6; ++i)
            AddControl({"c" + std::to_string(i), ControlKind::FileList, "", 0, 0, 255, 255});
    }
    using Window::Mutable;
};

// Any run of changes, put back from the record alone, leaves every control as
// it was when the record started.
TEST(ChangeRecord, PutsBackEveryFieldOfAnyRunOfChanges) {
    std::mt19937 rng(5);
    RecordedWindow w;
    w.TakeChangeRecord();
    for (int run = 0; run < 200; ++run) {
        const std::vector<ControlState> before = w.SaveControlStates();
        for (int change = 0; change < 12; ++change) {
            const std::string name = "c" + std::to_string(rng() % 6);
            switch (rng() % 8) {
                case 0: w.SetText(name, std::to_string(rng() % 3)); break;
                case 1: w.SetBackColour(name, rng() % 2 ? kRed : kLightGrey); break;
                case 2: w.SetEnabled(name, rng() % 2 == 0); break;
                case 3: w.SetVisible(name, rng() % 2 == 0); break;
                case 4: w.SetOutlined(name, rng() % 2 == 0); break;
                case 5: w.SetItems(name, {"a", "b"}, static_cast<int>(rng() % 3) - 1); break;
                case 6: w.Draw(name, {ClearPrimitive()}); break;
                default: w.Mutable(name).text += "x"; break;
            }
        }
        const std::vector<ControlState> changed = w.SaveControlStates();
        w.RestoreChanged(w.TakeChangeRecord());
        EXPECT_EQ(w.SaveControlStates(), before) << run;
        // Putting back is recorded as changes too, so it can be undone in turn.
        w.RestoreChanged(w.TakeChangeRecord());
        EXPECT_EQ(w.SaveControlStates(), changed) << run;
        w.TakeChangeRecord();
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

}  // namespace
}  // namespace selvaris
