#include "export/export_messages.h"

#include "files/file_messages.h"

namespace selvaris {

std::string QasmNotWrittenMessage(const std::string& qasmPath, const std::vector<std::string>& problems,
                                  bool jsonWritten) {
    std::string text = DisplayPath(qasmPath) + " は書き出しませんでした。次の因子は回路にできません。";
    for (const std::string& problem : problems) text += "\n" + problem;
    if (jsonWritten) text += "\nJSON ファイルは書き出しました。";
    return text;
}

}  // namespace selvaris
