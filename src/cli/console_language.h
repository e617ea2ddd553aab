#pragma once

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

namespace selvaris {

// Whether the command line speaks English: by the same rule as the window,
// from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
bool CommandLineWantsEnglish();

// A line the command line prints, in English: the whole line, or what
// follows one of its "...: " prefixes (the role and the file keep their
// names, Japanese or not). A line nothing fits comes back as it is.
std::string EnglishLine(const std::string& line);

// While it lives, whole lines written to stream reach it in English; the
// rest of a line waits for its end.
class EnglishLines {
public:
    explicit EnglishLines(std::ostream& stream);
    ~EnglishLines();
    EnglishLines(const EnglishLines&) = delete;
    EnglishLines& operator=(const EnglishLines&) = delete;

private:
    class Buffer;
    std::ostream& stream_;
    std::streambuf* original_;
    std::unique_ptr<Buffer> buffer_;
};

}  // namespace selvaris
