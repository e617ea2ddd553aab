// Turns the English translation file into a table for the command line,
// which loads no toolkit: every finished translation, as C++ string literals.
#include <cstdio>
#include <fstream>
#include <optional>

#include "translations/ts_file.h"

using namespace selvaris::translations;

namespace {

std::string Literal(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", byte);
            out += octal;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: selvaris_english_table FILE.ts OUT.cpp\n", stderr);
        return 2;
    }
    const std::optional<std::vector<TsMessage>> messages = ReadTsFile(argv[1]);
    if (!messages) {
        std::fprintf(stderr, "selvaris_english_table: cannot read %s\n", argv[1]);
        return 1;
    }
    std::string cpp = "// Made by the build from " + std::string(argv[1]) +
                      "; edit that file instead.\n#include \"cli/english_texts.h\"\n\nnamespace selvaris {\n\n"
                      "const EnglishText kEnglishTexts[] = {\n";
    std::size_t count = 0;
    for (const TsMessage& m : *messages) {
        if (!m.finished || m.translation.empty()) continue;
        cpp += "    {" + Literal(m.context) + ", " + Literal(m.source) + ", " + Literal(m.translation) + "},\n";
        ++count;
    }
    if (count == 0) cpp += "    {\"\", \"\", \"\"},\n";
    cpp += "};\nconst std::size_t kEnglishTextCount = " + std::to_string(count) + ";\n\n}  // namespace selvaris\n";
    std::ofstream out(argv[2], std::ios::binary);
    out << cpp;
    return out.flush() ? 0 : 1;
}
