#include "cli/escaped_name.h"

#include <cstdio>

namespace selvaris {
namespace {

bool Between(unsigned char byte, unsigned low, unsigned high) { return low <= byte && byte <= high; }

// The lead bytes of UTF-8 and the range of the byte after each (Unicode's
// table of well-formed sequences, without the C1 controls).
const struct {
    unsigned first, last;
    std::size_t length;
    unsigned low, high;
} kLeadBytes[] = {
    {0xC2, 0xC2, 2, 0xA0, 0xBF},  // C2 80..9F are the C1 controls
    {0xC3, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF},  // no overlong forms
    {0xE1, 0xEC, 3, 0x80, 0xBF}, {0xED, 0xED, 3, 0x80, 0x9F},  // no surrogates
    {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},  // nothing past U+10FFFF
};

// The length of the valid UTF-8 sequence of a printable character at at, or 0.
std::size_t PrintableSequence(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t k) {
        return static_cast<unsigned char>(at + k < text.size() ? text[at + k] : 0);
    };
    for (const auto& lead : kLeadBytes) {
        if (!Between(byte(0), lead.first, lead.last)) continue;
        if (!Between(byte(1), lead.low, lead.high)) return 0;
        for (std::size_t k = 2; k < lead.length; ++k)
            if (!Between(byte(k), 0x80, 0xBF)) return 0;
        return lead.length;
    }
    return 0;
}

}  // namespace

std::string EscapedName(const std::string& name) {
    std::string shown;
    for (std::size_t at = 0; at < name.size(); ++at) {
        const auto byte = static_cast<unsigned char>(name[at]);
        if (byte == '\t') {
            shown += "\\t";
        } else if (byte == '\n') {
            shown += "\\n";
        } else if (byte == '\\') {
            shown += "\\\\";
        } else if (Between(byte, 0x20, 0x7E)) {
            shown += name[at];
        } else if (const std::size_t length = byte >= 0x80 ? PrintableSequence(name, at) : 0) {
            shown.append(name, at, length);
            at += length - 1;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            shown += hex;
        }
    }
    return shown;
}

}  // namespace selvaris
