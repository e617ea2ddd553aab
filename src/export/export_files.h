#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "export/decomposition.h"

namespace selvaris {

// Replaces the file at path with bytes in one step (temporary file + rename);
// returns the reason of a failure (short Japanese), or nothing on success.
using FileWriter = std::function<std::optional<std::string>(const std::string& path, const std::string& bytes)>;

// Where the two files go; an empty path leaves that file out.
struct ExportPaths {
    std::string qasm;
    std::string json;
};

// NAME.qasm and NAME.json beside each other for the name the user chose;
// a chosen ".qasm" or ".json" ending (in any case) is taken off first.
ExportPaths ExportPathsFor(const std::string& chosenName);

struct ExportOutcome {
    bool qasmWritten = false;
    bool jsonWritten = false;
    std::vector<std::string> written;  // every path written, in order
    // To show one by one, each in a message box titled kFileMessageTitle.
    std::vector<std::string> messages;
};

// Writes the JSON, then the OpenQASM program. A decomposition that cannot be
// written exactly with the gates of qelib1.inc gets no .qasm and a message
// that says which factor and why; the JSON is written all the same.
ExportOutcome ExportDecomposition(const Decomposition& decomposition, const ExportPaths& paths,
                                  const FileWriter& write);

}  // namespace selvaris
