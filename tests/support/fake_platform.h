#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/platform.h"
#include "core/window.h"

namespace selvaris::testing {

struct RecordedMessage {
    std::string text;
    int style;
    std::string title;
};

// A scripted desktop for whole-flow tests. Message boxes are recorded (their
// style with its default-button flag) and answered from a queue (the default
// button when the queue is empty); a modal window runs the
// next script queued for its form name, then is closed by its close box if the
// script left it open. Every event goes into one ordered log.
class FakePlatform : public Platform {
public:
    using Script = std::function<void(Window&)>;

    MessageAnswer MessageBox(const std::string& text, int style, const std::string& title) override;
    void ShowModal(Window& window) override;
    int ScreenWidthTwips() const override { return screenWidth; }
    int ScreenHeightTwips() const override { return screenHeight; }
    void SetBusyPointer(bool busy) override;
    // Answers the next file-name question from saveNames (a cancel when it is empty).
    std::optional<std::string> AskSaveFileName(const std::string& title) override;
    // Answers the next file-to-open question from openNames (a cancel when it is empty).
    std::optional<std::string> AskOpenFileName(const std::string& title, const std::string& filter) override;
    std::optional<std::pair<std::string, int>> AskExportFileName(const std::string& title,
                                                                 const std::vector<std::string>& filters) override;

    // Queues what the user does in the next modal showing of formName.
    void OnShow(const std::string& formName, Script script) { scripts_[formName].push_back(std::move(script)); }
    void Answer(MessageAnswer answer) { answers_.push_back(answer); }

    std::vector<RecordedMessage> messages;
    std::vector<std::string> log;  // "message:<text>", "show:<form>@<left>,<top>", "closed:<form>", "busy:on|off"
    std::vector<std::string> unusedScripts() const;
    int screenWidth = 19200;
    int screenHeight = 10800;
    bool busy = false;
    std::deque<std::optional<std::string>> saveNames;
    std::deque<std::optional<std::string>> openNames;
    // The file type chosen with each of saveNames in an export dialog (the first when empty).
    std::deque<int> exportTypes;
    std::vector<std::string> lastExportFilters;

private:
    std::map<std::string, std::deque<Script>> scripts_;
    std::deque<MessageAnswer> answers_;
};

}  // namespace selvaris::testing
