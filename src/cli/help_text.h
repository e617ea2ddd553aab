#pragma once

namespace selvaris {

// selvaris --help and selvaris decompose --help: every option, the exit
// statuses and how --batch writes names.
extern const char* const kHelpText;

// selvaris --version.
extern const char* const kVersionText;

}  // namespace selvaris
