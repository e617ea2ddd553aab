#pragma once

#include "core/platform.h"

namespace selvaris {

// A desktop whose message boxes answer at once and whose modal windows close
// unseen: for building and driving windows where nobody looks at them.
class SilentPlatform : public Platform {
public:
    MessageAnswer MessageBox(const std::string&, int, const std::string&) override { return MessageAnswer::Ok; }
    void ShowModal(Window&) override {}
    int ScreenWidthTwips() const override { return 19200; }
    int ScreenHeightTwips() const override { return 10800; }
    void SetBusyPointer(bool) override {}
};

}  // namespace selvaris
