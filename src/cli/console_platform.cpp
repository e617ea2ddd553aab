#include "cli/console_platform.h"

#include <sstream>

#include "core/window.h"

namespace selvaris {

MessageAnswer ConsolePlatform::MessageBox(const std::string& text, int style, const std::string&) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) messages_ << prefix_ << line << '\n';
    // Nobody is there to agree, so a question is answered with its safe side.
    return StyleButtonsAndIcon(style) == kStyleExclamationYesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

void ConsolePlatform::ShowModal(Window& window) {
    window.Load();
    window.Close();
}

}  // namespace selvaris
