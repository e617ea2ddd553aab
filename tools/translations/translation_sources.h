#pragma once

#include <string>
#include <vector>

namespace selvaris::translations {

struct SourceText {
    std::string context;
    std::string source;
    bool operator==(const SourceText&) const = default;
};

// Every Japanese text the program shows, once each: a window's caption and its
// controls' captions, tooltips and accessible names under the window's name,
// unless a message text covers them; then every message text and template.
std::vector<SourceText> TranslationSources();

}  // namespace selvaris::translations
