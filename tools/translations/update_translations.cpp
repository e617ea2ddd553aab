// Brings the English translation file in step with the program's texts: every
// text gets an entry, a new one marked unfinished; translations already made
// are kept, and entries of texts the program no longer shows are dropped.
// Run by `make translations`.
#include <cstdio>
#include <fstream>
#include <optional>

#include "translations/translation_sources.h"
#include "translations/ts_file.h"

using namespace selvaris::translations;

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: selvaris_update_translations FILE.ts\n", stderr);
        return 2;
    }
    // A file that cannot be read is not replaced: its translations would be lost.
    const std::optional<std::vector<TsMessage>> read = ReadTsFile(argv[1]);
    if (!read) {
        std::fprintf(stderr, "selvaris_update_translations: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::vector<TsMessage>& existing = *read;
    std::vector<TsMessage> updated;
    int added = 0;
    for (const SourceText& text : TranslationSources()) {
        TsMessage message{text.context, text.source, "", false};
        for (const TsMessage& e : existing)
            if (e.context == text.context && e.source == text.source) message = e;
        added += message.translation.empty() ? 1 : 0;
        updated.push_back(message);
    }
    for (const TsMessage& e : existing) {
        bool kept = false;
        for (const TsMessage& u : updated) kept = kept || (u.context == e.context && u.source == e.source);
        if (!kept) std::fprintf(stderr, "dropped: [%s] %s\n", e.context.c_str(), e.source.c_str());
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << WriteTsFile(updated);
    if (!out.flush()) {
        std::fprintf(stderr, "selvaris_update_translations: cannot write %s\n", argv[1]);
        return 1;
    }
    std::fprintf(stderr, "%zu texts, %d without a translation\n", updated.size(), added);
    return 0;
}
