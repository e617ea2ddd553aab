#pragma once

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

// A .ts file for the program's English, contexts in the order they first appear.
std::string WriteTsFile(const std::vector<TsMessage>& messages);

}  // namespace selvaris::translations
