#pragma once

#include <QRect>
#include <QSize>
#include <optional>

#include "core/platform.h"

namespace selvaris::ui {

// The desktop as Qt provides it: QMessageBox, modal QDialog, the primary screen.
class QtPlatform : public Platform {
public:
    MessageAnswer MessageBox(const std::string& text, int style, const std::string& title) override;
    std::string Translate(const std::string& context, const std::string& text) const override;
    void ShowModal(Window& window) override;
    int ScreenWidthTwips() const override;
    int ScreenHeightTwips() const override;
    void SetBusyPointer(bool busy) override;
    std::optional<std::string> AskSaveFileName(const std::string& title) override;
    std::optional<std::pair<std::string, int>> AskExportFileName(const std::string& title,
                                                                 const std::vector<std::string>& filters) override;
    std::optional<std::string> AskOpenFileName(const std::string& title, const std::string& filter) override;

    // Places windows as on a screen of this size instead of the primary screen.
    void UseScreenSize(QSize size) { screenSize_ = size; }

private:
    QSize ScreenSize() const;
    // Where windows may lie: the screen without the desktop's panels.
    QRect ScreenArea() const;

    int busyDepth_ = 0;
    std::optional<QSize> screenSize_;
};

}  // namespace selvaris::ui
