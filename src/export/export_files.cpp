#include "export/export_files.h"

#include "export/export_formats.h"
#include "files/file_name_ending.h"
#include "files/file_messages.h"

namespace selvaris {

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
    if (paths.qasm.empty() && paths.json.empty()) {
        ExportOutcome outcome;
        outcome.messages.push_back(EmptyFileNameMessage());
        return outcome;
    }
    return ExportRequests(d, {{ExportFormat::Json, CircuitBasis::TwoLevel, paths.json},
                              {ExportFormat::Qasm2, CircuitBasis::TwoLevel, paths.qasm}},
                          write);
}

}  // namespace selvaris
