#pragma once

#include <ostream>
#include <string>

#include "core/platform.h"

namespace selvaris {

// The desktop of the command line: every line of a message box goes to a
// stream after prefix (such as "selvaris: target qft.gyo: "), and a modal
// window opens and closes unseen.
class ConsolePlatform : public Platform {
public:
    explicit ConsolePlatform(std::ostream& messages, std::string prefix = "selvaris: ")
        : messages_(messages), prefix_(std::move(prefix)) {}

    MessageAnswer MessageBox(const std::string& text, int style, const std::string& title) override;
    void ShowModal(Window& window) override;
    int ScreenWidthTwips() const override { return 19200; }
    int ScreenHeightTwips() const override { return 10800; }
    void SetBusyPointer(bool) override {}

private:
    std::ostream& messages_;
    std::string prefix_;
};

}  // namespace selvaris
