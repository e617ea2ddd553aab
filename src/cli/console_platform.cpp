#include "cli/console_platform.h"

#include "core/window.h"

namespace selvaris {

MessageAnswer ConsolePlatform::MessageBox(const std::string& text, int style, const std::string& title) {
    messages_ << title << ": " << text << '\n';
    // Nobody is there to agree, so a question is answered with its safe side.
    return StyleButtonsAndIcon(style) == kStyleExclamationYesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

void ConsolePlatform::ShowModal(Window& window) {
    window.Load();
    window.Close();
}

}  // namespace selvaris
