#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace selvaris {

// Exit statuses of the command line.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;       // bad arguments, a file that cannot be read or written
inline constexpr int kExitNotUnitary = 2;  // the target or the final gate failed the unitarity check

// True when the program's arguments ask for the command line rather than the window.
bool IsCommandLine(const std::vector<std::string>& args);

// selvaris decompose FILE.gyo [--plan PLAN] [--final FILE.gyo] [--qasm OUT] [--json OUT]
// selvaris decompose --batch DIR [--plan PLAN] [--final FILE.gyo]
// args are the program's arguments without its name. Results go to out,
// messages (with their titles) and usage to err; returns the exit status.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace selvaris
