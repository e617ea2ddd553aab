#include "translations/translation_sources.h"

#include <algorithm>
#include <memory>

#include "circuit/circuit_window.h"
#include "core/form3.h"
#include "core/silent_platform.h"
#include "core/translation.h"
#include "entry/form7.h"
#include "files/form8.h"
#include "files/form9.h"
#include "workbench/form1.h"

namespace selvaris::translations {

namespace {

void Add(std::vector<SourceText>& texts, const std::string& context, const std::string& text) {
    if (!HasJapanese(text) || IsMessageText(text)) return;
    const SourceText entry{context, text};
    if (std::find(texts.begin(), texts.end(), entry) == texts.end()) texts.push_back(entry);
}

}  // namespace

std::vector<SourceText> TranslationSources() {
    SharedRegisters registers;
    SilentPlatform desktop;  // the windows are only built, never shown
    std::vector<std::unique_ptr<Window>> windows;
    windows.push_back(std::make_unique<Form1>(registers, desktop));
    windows.push_back(std::make_unique<Form7>(registers, desktop));
    windows.push_back(std::make_unique<Form3>(registers));
    windows.push_back(std::make_unique<Form8>(registers, desktop));
    windows.push_back(std::make_unique<Form9>(registers, desktop));
    windows.push_back(std::make_unique<CircuitWindow>(Circuit{}, CircuitWindow::Browser{}));

    std::vector<SourceText> texts;
    for (const auto& window : windows) {
        const std::string& context = window->FormName();
        Add(texts, context, window->Caption());
        for (const Control& control : window->Controls()) {
            if (control.kind == ControlKind::Button || control.kind == ControlKind::Label)
                Add(texts, context, control.text);
            Add(texts, context, control.toolTip);
            Add(texts, context, control.toolTipWhenDisabled);
            Add(texts, context, control.accessibleName);
        }
    }
    for (const std::string& text : MessageTexts()) texts.push_back({kMessageContext, text});
    return texts;
}

}  // namespace selvaris::translations
