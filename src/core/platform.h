#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace selvaris {

class Window;

// Message box styles as button-and-icon values.
inline constexpr int kStyleExclamationOk = 48;
inline constexpr int kStyleExclamationYesNo = 52;
// Added to a style: the second button (No) is the default, so Enter and Escape answer No.
inline constexpr int kStyleSecondButtonDefault = 256;

// The button and icon part of a style, without the default-button flag.
constexpr int StyleButtonsAndIcon(int style) { return style & 0xFF; }

enum class MessageAnswer { Ok, Yes, No };

// What the windows need from the desktop. Modal windows and message boxes nest
// inside the handler that opens them.
class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer MessageBox(const std::string& text, int style, const std::string& title) = 0;

    // The one way a Japanese text reaches the user in another language: context
    // is a window's name for its own controls, kMessageContext (translation.h)
    // for everything composed at run time. A desktop that shows the program's
    // own Japanese keeps the text as it is.
    virtual std::string Translate(const std::string& /*context*/, const std::string& text) const { return text; }

    // Loads the window, shows it modally at its Left/Top and returns once it has
    // closed (its unload has run).
    virtual void ShowModal(Window& window) = 0;

    virtual int ScreenWidthTwips() const = 0;
    virtual int ScreenHeightTwips() const = 0;

    // The busy (hourglass) mouse pointer on or off.
    virtual void SetBusyPointer(bool busy) = 0;

    // The desktop's own dialog for the name of a file to write; nothing when
    // the user cancels. A desktop without one never offers a name.
    virtual std::optional<std::string> AskSaveFileName(const std::string& /*title*/) { return std::nullopt; }

    // The same dialog offering file types (filters such as "LaTeX (*.tex)"):
    // the name and the index of the type chosen. Without a choice of types
    // the first is taken.
    virtual std::optional<std::pair<std::string, int>> AskExportFileName(const std::string& title,
                                                                         const std::vector<std::string>& /*filters*/) {
        const std::optional<std::string> name = AskSaveFileName(title);
        if (!name) return std::nullopt;
        return std::make_pair(*name, 0);
    }

    // The desktop's own dialog for a file to read, offering the names that
    // match filter ("*.gyo *.npy"); nothing when the user cancels.
    virtual std::optional<std::string> AskOpenFileName(const std::string& /*title*/, const std::string& /*filter*/) {
        return std::nullopt;
    }
};

}  // namespace selvaris
