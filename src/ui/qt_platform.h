#pragma once

#include "core/platform.h"

namespace selvaris::ui {

// The desktop as Qt provides it: QMessageBox, modal QDialog, the primary screen.
class QtPlatform : public Platform {
public:
    MessageAnswer MessageBox(const std::string& text, int style, const std::string& title) override;
    void ShowModal(Window& window) override;
    int ScreenWidthTwips() const override;
    int ScreenHeightTwips() const override;
    void SetBusyPointer(bool busy) override;
    std::optional<std::string> AskSaveFileName(const std::string& title) override;

private:
    int busyDepth_ = 0;
};

}  // namespace selvaris::ui
