#include "cli/console_language.h"

#include <cstdlib>
#include <optional>
#include <unordered_map>
#include <vector>

#include "cli/english_texts.h"
#include "core/translation.h"

namespace selvaris {

namespace {

std::string Key(const std::string& context, const std::string& source) { return context + '\x04' + source; }

const std::unordered_map<std::string, std::string>& Table() {
    static const std::unordered_map<std::string, std::string> table = [] {
        std::unordered_map<std::string, std::string> t;
        for (std::size_t i = 0; i < kEnglishTextCount; ++i)
            t.emplace(Key(kEnglishTexts[i].context, kEnglishTexts[i].source), kEnglishTexts[i].translation);
        return t;
    }();
    return table;
}

std::optional<std::string> Lookup(const std::string& context, const std::string& source) {
    const auto found = Table().find(Key(context, source));
    if (found == Table().end()) return std::nullopt;
    return found->second;
}

}  // namespace

bool CommandLineWantsEnglish() {
    const std::string messages = MessagesLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    return EnglishWanted(FirstUiLanguage(std::getenv("LANGUAGE"), messages), messages);
}

std::string EnglishLine(const std::string& line) {
    if (!HasJapanese(line)) return line;
    // The message is what follows the last "selvaris: ROLE NAME: " kind of
    // prefix that leaves it whole: the shortest end of the line that reads as
    // English, else the shortest that changes at all.
    std::vector<std::size_t> starts = {0};
    for (std::size_t colon = line.find(": "); colon != std::string::npos; colon = line.find(": ", colon + 2))
        starts.push_back(colon + 2);
    std::optional<std::string> changed;
    for (auto start = starts.rbegin(); start != starts.rend(); ++start) {
        const std::string rest = line.substr(*start);
        if (!HasJapanese(rest)) continue;
        const std::string english = TranslateText(kMessageContext, rest, Lookup);
        if (!HasJapanese(english)) return line.substr(0, *start) + english;
        if (!changed && english != rest) changed = line.substr(0, *start) + english;
    }
    return changed.value_or(line);
}

class EnglishLines::Buffer : public std::streambuf {
public:
    explicit Buffer(std::streambuf* target) : target_(target) {}
    ~Buffer() override {
        if (!pending_.empty()) Put(pending_);
    }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        pending_ += traits_type::to_char_type(c);
        if (pending_.back() != '\n') return c;
        pending_.pop_back();
        const bool written = Put(EnglishLine(pending_) + '\n');
        pending_.clear();
        return written ? c : traits_type::eof();
    }
    // A flush passes on what is whole; half a line waits for its end.
    int sync() override { return target_->pubsync(); }

private:
    bool Put(const std::string& text) {
        return target_->sputn(text.data(), static_cast<std::streamsize>(text.size())) ==
               static_cast<std::streamsize>(text.size());
    }

    std::streambuf* target_;
    std::string pending_;
};

EnglishLines::EnglishLines(std::ostream& stream)
    : stream_(stream), original_(stream.rdbuf()), buffer_(std::make_unique<Buffer>(original_)) {
    stream_.rdbuf(buffer_.get());
}

EnglishLines::~EnglishLines() {
    stream_.rdbuf(original_);
    buffer_.reset();
    original_->pubsync();
}

}  // namespace selvaris
