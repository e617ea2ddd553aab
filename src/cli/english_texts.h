#pragma once

#include <cstddef>

namespace selvaris {

// One finished translation of translations/selvaris_en.ts.
struct EnglishText {
    const char* context;
    const char* source;
    const char* translation;
};

// Made by the build from the translation file the window uses too.
extern const EnglishText kEnglishTexts[];
extern const std::size_t kEnglishTextCount;

}  // namespace selvaris
