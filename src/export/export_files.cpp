#include "export/export_files.h"

#include "export/export_messages.h"
#include "export/json_writer.h"
#include "export/qasm_writer.h"
#include "files/file_name_ending.h"
#include "files/file_messages.h"

namespace selvaris {
namespace {

// Writes one file; a failure becomes the save-failed message.
bool WriteOne(const FileWriter& write, const std::string& path, const std::string& bytes, ExportOutcome& outcome) {
    const std::optional<std::string> failure = write(path, bytes);
    if (failure) outcome.messages.push_back(SaveFailedMessage(path, *failure));
    return !failure;
}

}  // namespace

ExportPaths ExportPathsFor(const std::string& chosenName) {
    std::string base = chosenName;
    for (const char* ending : {".qasm", ".json"}) {
        const std::size_t nameStart = base.find_last_of('/') + 1;  // npos + 1 == 0
        const std::string end = ending;
        // Only an ending that follows a name: "dir/.json" keeps its dot-name.
        if (EndsWithIgnoringCase(base, end) && base.size() - end.size() > nameStart) {
            base.resize(base.size() - end.size());
            break;
        }
    }
    if (base.empty()) return {};
    return {base + ".qasm", base + ".json"};
}

ExportOutcome ExportDecomposition(const Decomposition& d, const ExportPaths& paths, const FileWriter& write) {
    ExportOutcome outcome;
    if (paths.qasm.empty() && paths.json.empty()) {
        outcome.messages.push_back(EmptyFileNameMessage());
        return outcome;
    }
    if (!paths.json.empty()) outcome.jsonWritten = WriteOne(write, paths.json, WriteJson(d), outcome);
    if (!paths.qasm.empty()) {
        const QasmProgram program = WriteQasm(d);
        if (program.ok())
            outcome.qasmWritten = WriteOne(write, paths.qasm, program.text, outcome);
        else
            outcome.messages.push_back(QasmNotWrittenMessage(paths.qasm, program.problems, outcome.jsonWritten));
    }
    return outcome;
}

}  // namespace selvaris
