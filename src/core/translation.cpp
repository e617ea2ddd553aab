#include "core/translation.h"

#include <algorithm>
#include <cstdint>

namespace selvaris {

namespace {

// One piece of a template: literal text, or the number of the fill it stands for.
struct Piece {
    std::string literal;
    int fill = 0;  // 1 for %1, ...; 0 for literal text
};

struct Template {
    std::string source;
    std::vector<Piece> pieces;
    std::size_t literalLength = 0;
    int fills = 0;
};

Template Split(const std::string& source) {
    Template t{source, {}, 0, 0};
    std::string literal;
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source[i] == '%' && i + 1 < source.size() && source[i + 1] >= '1' && source[i + 1] <= '9') {
            if (!literal.empty()) t.pieces.push_back({literal, 0});
            t.literalLength += literal.size();
            literal.clear();
            t.pieces.push_back({"", source[i + 1] - '0'});
            t.fills = std::max(t.fills, source[i + 1] - '0');
            ++i;
        } else {
            literal += source[i];
        }
    }
    if (!literal.empty()) t.pieces.push_back({literal, 0});
    t.literalLength += literal.size();
    return t;
}

// The templates, the one with the most fixed text first: the narrowest is
// tried before a looser one.
const std::vector<Template>& Templates() {
    static const std::vector<Template> templates = [] {
        std::vector<Template> all;
        for (const std::string& text : MessageTexts())
            if (Template t = Split(text); t.fills > 0) all.push_back(std::move(t));
        std::stable_sort(all.begin(), all.end(),
                         [](const Template& a, const Template& b) { return a.literalLength > b.literalLength; });
        return all;
    }();
    return templates;
}

// Whether text from at on fits pieces from i on; each fill takes at least one
// byte, as few as will do. Two fills never meet, so the literal after a fill
// says where it may end; a literal of whole characters can only be found at
// a character's start.
bool Fits(const std::vector<Piece>& pieces, std::size_t i, const std::string& text, std::size_t at,
          std::vector<std::string>& fills) {
    if (i == pieces.size()) return at == text.size();
    const Piece& piece = pieces[i];
    if (piece.fill == 0)
        return text.compare(at, piece.literal.size(), piece.literal) == 0 &&
               Fits(pieces, i + 1, text, at + piece.literal.size(), fills);
    std::string& fill = fills[static_cast<std::size_t>(piece.fill - 1)];
    if (i + 1 == pieces.size()) {
        fill = text.substr(at);
        return at < text.size();
    }
    const std::string& next = pieces[i + 1].literal;
    if (next.empty()) return false;  // two fills side by side cannot be told apart
    for (std::size_t end = text.find(next, at + 1); end != std::string::npos; end = text.find(next, end + 1)) {
        fill = text.substr(at, end - at);
        if (Fits(pieces, i + 1, text, end, fills)) return true;
    }
    return false;
}

// A fill without the spaces that only separate it from the template's text.
std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return text;
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Filled(const std::string& translation, const std::vector<std::string>& fills) {
    std::string filled;
    for (std::size_t i = 0; i < translation.size(); ++i) {
        const char c = translation[i];
        if (c == '%' && i + 1 < translation.size() && translation[i + 1] >= '1' && translation[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(translation[i + 1] - '1');
            if (n < fills.size()) filled += fills[n];
            ++i;
        } else {
            filled += c;
        }
    }
    return filled;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

bool IsFixedMessage(const std::string& text) {
    const std::vector<std::string>& texts = MessageTexts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

}  // namespace

bool HasJapanese(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        // Every character of these ranges takes three bytes: 1110xxxx 10xxxxxx 10xxxxxx.
        if ((lead & 0xF0) != 0xE0 || i + 2 >= text.size()) continue;
        const std::uint32_t c = (lead & 0x0Fu) << 12 | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6 |
                                (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
        if ((c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
            (c >= 0xFF00 && c <= 0xFFEF))
            return true;
    }
    return false;
}

std::string TranslateText(const std::string& context, const std::string& text, const TextLookup& lookup) {
    if (!HasJapanese(text)) return text;
    if (std::optional<std::string> own = lookup(context, text)) return *own;
    if (context != kMessageContext)
        if (std::optional<std::string> message = lookup(kMessageContext, text)) return *message;
    if (text.find('\n') != std::string::npos) {
        const std::vector<std::string> lines = Lines(text);
        std::string translated = TranslateText(context, lines.front(), lookup);
        for (std::size_t i = 1; i < lines.size(); ++i) translated += "\n" + TranslateText(context, lines[i], lookup);
        return translated;
    }
    // Several templates may fit ("%1があります" fits a line number's too):
    // the first whose whole translation is free of Japanese wins.
    std::optional<std::string> first;
    for (const Template& t : Templates()) {
        std::vector<std::string> fills(static_cast<std::size_t>(t.fills));
        if (!Fits(t.pieces, 0, text, 0, fills)) continue;
        const std::optional<std::string> translation = lookup(kMessageContext, t.source);
        if (!translation) continue;
        for (std::string& fill : fills) fill = TranslateText(kMessageContext, Trimmed(fill), lookup);
        std::string filled = Filled(*translation, fills);
        if (!HasJapanese(filled)) return filled;
        if (!first) first = std::move(filled);
    }
    return first.value_or(text);
}

bool IsMessageText(const std::string& text) {
    if (IsFixedMessage(text)) return true;
    if (text.find('\n') != std::string::npos) {
        const std::vector<std::string> lines = Lines(text);
        return std::all_of(lines.begin(), lines.end(),
                           [](const std::string& line) { return !HasJapanese(line) || IsMessageText(line); });
    }
    for (const Template& t : Templates()) {
        std::vector<std::string> fills(static_cast<std::size_t>(t.fills));
        if (Fits(t.pieces, 0, text, 0, fills) && std::all_of(fills.begin(), fills.end(), [](const std::string& fill) {
                return !HasJapanese(fill) || IsMessageText(Trimmed(fill));
            }))
            return true;
    }
    return false;
}

std::string MessagesLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* value : {lcAll, lcMessages, lang})
        if (value && *value) return value;
    return "C";
}

std::string FirstUiLanguage(const char* language, const std::string& messagesLocale) {
    const std::string languages = language ? language : "";
    const std::string first = languages.substr(0, languages.find(':'));
    return first.empty() ? messagesLocale : first;
}

bool EnglishWanted(const std::string& firstUiLanguage, const std::string& messagesLocale) {
    const std::string locale = messagesLocale.substr(0, messagesLocale.find_first_of(".@"));
    if (locale == "C" || locale == "POSIX") return false;
    return firstUiLanguage.compare(0, 2, "en") == 0 &&
           (firstUiLanguage.size() == 2 || std::string("_-.@").find(firstUiLanguage[2]) != std::string::npos);
}

}  // namespace selvaris
