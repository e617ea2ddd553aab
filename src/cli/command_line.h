#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "export/export_formats.h"

namespace selvaris {

// Exit statuses of the command line.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;       // bad arguments, a file or standard output that cannot be read or written
inline constexpr int kExitNotUnitary = 2;  // the target or the final gate failed the unitarity check

// True when the program's arguments ask for the command line rather than the
// window: "decompose ...", or -h, --help, -V, --version, which need no display.
bool IsCommandLine(const std::vector<std::string>& args);

// selvaris decompose FILE [--plan PLAN] [--final FILE] [--basis two-level|cx]
//                    [--qasm OUT] [--qasm3 OUT] [--latex OUT] [--svg OUT] [--png OUT] [--json OUT]
// selvaris decompose --batch DIR [--plan PLAN] [--final FILE]
// args are the program's arguments without its name. Results, the help and
// the version go to out, every error as one "selvaris: ..." line to err; a
// write to out that fails is an error too. Returns the exit status.
// render draws --svg and --png; without it they fail with a message.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const CircuitImageRenderer& render = {});

// RunCommandLine on the process's standard output and error, with SIGPIPE
// ignored so that a closed pipe is a write error with a message and status 1
// rather than a silent end.
int RunCommandLineProcess(const std::vector<std::string>& args, const CircuitImageRenderer& render);

}  // namespace selvaris
