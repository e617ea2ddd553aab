#pragma once

#include <optional>
#include <string>
#include <vector>

namespace selvaris::translations {

// One message of a Qt Linguist .ts file.
struct TsMessage {
    std::string context;
    std::string source;
    std::string translation;
    bool finished = false;  // neither unfinished nor obsolete
};

// The messages of a .ts file, in file order; other elements are skipped.
std::vector<TsMessage> ParseTsFile(const std::string& xml);

// The messages of the .ts file at path; nothing when it cannot be read, so
// that no tool mistakes a missing file for one without translations.
std::optional<std::vector<TsMessage>> ReadTsFile(const std::string& path);

// A .ts file for the program's English, contexts in the order they first appear.
std::string WriteTsFile(const std::vector<TsMessage>& messages);

}  // namespace selvaris::translations
