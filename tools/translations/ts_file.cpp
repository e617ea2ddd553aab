#include "translations/ts_file.h"

#include <cstdint>
#include <fstream>
#include <sstream>

namespace selvaris::translations {

namespace {

void AppendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t end = text[i] == '&' ? text.find(';', i) : std::string::npos;
        if (end == std::string::npos) {
            out += text[i];
            continue;
        }
        const std::string name = text.substr(i + 1, end - i - 1);
        if (name == "amp") out += '&';
        else if (name == "lt") out += '<';
        else if (name == "gt") out += '>';
        else if (name == "quot") out += '"';
        else if (name == "apos") out += '\'';
        else if (name.size() > 1 && name[0] == '#')
            AppendUtf8(out, static_cast<std::uint32_t>(name[1] == 'x' ? std::stoul(name.substr(2), nullptr, 16)
                                                                      : std::stoul(name.substr(1))));
        else
            out += text.substr(i, end - i + 1);
        i = end;
    }
    return out;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else if (c == '\'') out += "&apos;";
        else out += c;
    }
    return out;
}

// The text of the element <tag ...>...</tag> starting at or after from,
// before limit; its opening tag in openTag. False when there is none.
bool Element(const std::string& xml, const std::string& tag, std::size_t from, std::size_t limit, std::string& body,
             std::string& openTag, std::size_t& next) {
    std::size_t start = xml.find("<" + tag, from);
    while (start != std::string::npos && start < limit) {
        const char after = xml[start + tag.size() + 1];
        if (after == '>' || after == ' ' || after == '/') break;
        start = xml.find("<" + tag, start + 1);
    }
    if (start == std::string::npos || start >= limit) return false;
    const std::size_t openEnd = xml.find('>', start);
    openTag = xml.substr(start, openEnd - start + 1);
    if (openTag.size() >= 2 && openTag[openTag.size() - 2] == '/') {  // <translation/>
        body.clear();
        next = openEnd + 1;
        return true;
    }
    const std::size_t close = xml.find("</" + tag + ">", openEnd);
    body = xml.substr(openEnd + 1, close - openEnd - 1);
    next = close + tag.size() + 3;
    return true;
}

}  // namespace

std::optional<std::vector<TsMessage>> ReadTsFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream xml;
    if (!in || !(xml << in.rdbuf())) return std::nullopt;
    return ParseTsFile(xml.str());
}

std::vector<TsMessage> ParseTsFile(const std::string& xml) {
    std::vector<TsMessage> messages;
    std::string contextBody, open;
    for (std::size_t at = 0, next; Element(xml, "context", at, xml.size(), contextBody, open, next); at = next) {
        std::string name, ignored;
        std::size_t after = 0;
        Element(contextBody, "name", 0, contextBody.size(), name, ignored, after);
        std::string message;
        for (std::size_t m = 0, mNext; Element(contextBody, "message", m, contextBody.size(), message, open, mNext);
             m = mNext) {
            TsMessage entry{Unescaped(name), "", "", false};
            std::string source, translation, translationTag;
            std::size_t end = 0;
            Element(message, "source", 0, message.size(), source, ignored, end);
            Element(message, "translation", 0, message.size(), translation, translationTag, end);
            entry.source = Unescaped(source);
            entry.translation = Unescaped(translation);
            entry.finished = translationTag.find("type=") == std::string::npos;
            messages.push_back(entry);
        }
    }
    return messages;
}

std::string WriteTsFile(const std::vector<TsMessage>& messages) {
    std::vector<std::string> contexts;
    for (const TsMessage& m : messages) {
        bool known = false;
        for (const std::string& c : contexts) known = known || c == m.context;
        if (!known) contexts.push_back(m.context);
    }
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                      "<TS version=\"2.1\" language=\"en\" sourcelanguage=\"ja\">\n";
    for (const std::string& context : contexts) {
        xml += "<context>\n    <name>" + Escaped(context) + "</name>\n";
        for (const TsMessage& m : messages) {
            if (m.context != context) continue;
            xml += "    <message>\n        <source>" + Escaped(m.source) + "</source>\n        <translation" +
                   (m.finished ? "" : " type=\"unfinished\"") + ">" + Escaped(m.translation) +
                   "</translation>\n    </message>\n";
        }
        xml += "</context>\n";
    }
    return xml + "</TS>\n";
}

}  // namespace selvaris::translations
