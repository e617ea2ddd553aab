#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace selvaris {

enum class QasmTokenKind { End, Name, Number, String, Symbol, Bad };

// A piece of the program text; Bad holds an unusable character, a malformed
// number or an unclosed string. Its text points into the program.
struct QasmToken {
    QasmTokenKind kind = QasmTokenKind::End;
    std::string_view text;
    std::size_t line = 1;

    bool Is(char symbol) const { return kind == QasmTokenKind::Symbol && text.size() == 1 && text[0] == symbol; }
    bool IsName(std::string_view name) const { return kind == QasmTokenKind::Name && text == name; }
};

// Splits the text one token ahead of the reader, skipping white space and
// "//" comments, so a refusal names the first wrong thing in the text.
class QasmLexer {
public:
    explicit QasmLexer(std::string_view text);
    const QasmToken& Peek() const { return current_; }
    QasmToken Next();

private:
    void Scan();

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
    QasmToken current_;
};

// "3 行目：reason".
std::string QasmFailure(std::size_t line, std::string_view reason);

// Token text safe and short enough to quote in a message.
std::string QasmShown(const QasmToken& token);

// The reason for an unexpected token: why a Bad one is bad, or what was
// expected and what was found instead.
std::string QasmUnexpected(const QasmToken& found, std::string_view expected);

// A whole number token such as a register size or index, SIZE_MAX if it is
// too large to hold; nothing if the token is not one.
std::optional<std::size_t> QasmInteger(const QasmToken& token);

// One parameter: arithmetic on numbers and pi with + - * / ^, sin, cos, tan,
// exp, ln and sqrt, nested at most kQasmMaxNesting deep. A value that is not
// finite is refused. On failure sets failure and returns nothing.
inline constexpr int kQasmMaxNesting = 64;
std::optional<double> ParseQasmExpression(QasmLexer& lexer, std::string& failure);

}  // namespace selvaris
