#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace selvaris {

// The context of every text that is not one window's own: messages, status
// lines, reasons, and the texts windows compose as they run.
inline constexpr const char* kMessageContext = "Messages";

// A source text's translation in a context; nothing when there is none.
using TextLookup = std::function<std::optional<std::string>(const std::string& context, const std::string& source)>;

// The Japanese text in the user's language: its own translation in context or
// among the messages; else, line by line for a text of several lines, or
// through the message template it was composed from, whose translation is
// filled in with its pieces, each translated in turn. A text with no Japanese, or
// one nothing fits, comes back as it is.
std::string TranslateText(const std::string& context, const std::string& text, const TextLookup& lookup);

// The Japanese texts composed at run time that the windows, message boxes and
// the command line show (context kMessageContext): fixed texts, and templates
// in which %1, %2, ... stand for what is filled in.
const std::vector<std::string>& MessageTexts();

// Whether text is one of MessageTexts(), or fits one of its templates with
// every fill that holds Japanese fitting in turn: then it needs no entry of its own.
bool IsMessageText(const std::string& text);

// Kana, kanji, and the full-width forms and punctuation of Japanese.
bool HasJapanese(const std::string& text);

// The desktop's first UI language as the environment gives it: the first of
// LANGUAGE, else the messages locale (LC_ALL, LC_MESSAGES, LANG).
std::string MessagesLocale(const char* lcAll, const char* lcMessages, const char* lang);
std::string FirstUiLanguage(const char* language, const std::string& messagesLocale);

// English when the first UI language is, unless messages are in the C or POSIX
// locale: there the program keeps its Japanese, as gettext ignores LANGUAGE.
bool EnglishWanted(const std::string& firstUiLanguage, const std::string& messagesLocale);

}  // namespace selvaris
