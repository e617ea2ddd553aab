#pragma once

#include <ostream>

#include "core/platform.h"

namespace selvaris {

// The desktop of the command line: every message box is written to a stream
// with its title, and a modal window opens and closes unseen.
class ConsolePlatform : public Platform {
public:
    explicit ConsolePlatform(std::ostream& messages) : messages_(messages) {}

    MessageAnswer MessageBox(const std::string& text, int style, const std::string& title) override;
    void ShowModal(Window& window) override;
    int ScreenWidthTwips() const override { return 19200; }
    int ScreenHeightTwips() const override { return 10800; }
    void SetBusyPointer(bool) override {}

private:
    std::ostream& messages_;
};

}  // namespace selvaris
