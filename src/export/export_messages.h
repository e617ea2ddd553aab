#pragma once

#include <string>
#include <vector>

namespace selvaris {

// The .qasm was left out; problems are the lines that say which factor and why.
std::string QasmNotWrittenMessage(const std::string& qasmPath, const std::vector<std::string>& problems,
                                  bool jsonWritten);

}  // namespace selvaris
