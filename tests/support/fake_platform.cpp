#include "support/fake_platform.h"

namespace selvaris::testing {

MessageAnswer FakePlatform::MessageBox(const std::string& text, int style, const std::string& title) {
    messages.push_back({text, style, title});
    log.push_back("message:" + text);
    // Unscripted, the box is answered with its default button, as Enter would.
    if (answers_.empty()) {
        if (StyleButtonsAndIcon(style) != kStyleExclamationYesNo) return MessageAnswer::Ok;
        return (style & kStyleSecondButtonDefault) ? MessageAnswer::No : MessageAnswer::Yes;
    }
    MessageAnswer a = answers_.front();
    answers_.pop_front();
    return a;
}

void FakePlatform::ShowModal(Window& window) {
    window.Load();
    log.push_back("show:" + window.FormName() + "@" + std::to_string(window.Left()) + "," +
                  std::to_string(window.Top()));
    auto& queue = scripts_[window.FormName()];
    if (!queue.empty()) {
        Script script = std::move(queue.front());
        queue.pop_front();
        script(window);
    }
    if (!window.IsClosed()) window.Close();
    log.push_back("closed:" + window.FormName());
}

void FakePlatform::SetBusyPointer(bool on) {
    busy = on;
    log.push_back(on ? "busy:on" : "busy:off");
}

std::optional<std::string> FakePlatform::AskSaveFileName(const std::string& title) {
    log.push_back("ask:" + title);
    if (saveNames.empty()) return std::nullopt;
    std::optional<std::string> name = saveNames.front();
    saveNames.pop_front();
    return name;
}

std::optional<std::pair<std::string, int>> FakePlatform::AskExportFileName(const std::string& title,
                                                                          const std::vector<std::string>& filters) {
    lastExportFilters = filters;
    const std::optional<std::string> name = AskSaveFileName(title);
    int type = 0;
    if (!exportTypes.empty()) {
        type = exportTypes.front();
        exportTypes.pop_front();
    }
    if (!name) return std::nullopt;
    return std::make_pair(*name, type);
}

std::optional<std::string> FakePlatform::AskOpenFileName(const std::string& title, const std::string& filter) {
    log.push_back("open:" + title + ":" + filter);
    if (openNames.empty()) return std::nullopt;
    std::optional<std::string> name = openNames.front();
    openNames.pop_front();
    return name;
}

std::vector<std::string> FakePlatform::unusedScripts() const {
    std::vector<std::string> names;
    for (const auto& [name, queue] : scripts_)
        if (!queue.empty()) names.push_back(name);
    return names;
}

}  // namespace selvaris::testing
