#include "files/qasm_lexer.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace selvaris {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c); }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

constexpr std::string_view kSymbols = ";,()[]+-*/^";

std::string BadReason(const QasmToken& token) {
    const char first = token.text.empty() ? '\0' : token.text[0];
    if (first == '"') return "閉じていない文字列があります";
    if (IsDigit(first) || (first == '.' && token.text.size() > 1)) return "数 " + QasmShown(token) + " の書き方が正しくありません";
    if (first > 0x20 && first < 0x7f) return std::string("使えない文字 ") + first + " があります";
    static const char kHex[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(first);
    return std::string("使えない文字（0x") + kHex[byte >> 4] + kHex[byte & 15] + "）があります";
}

// Recursive descent over sum, product, sign, power and atom; depth counts
// every level of signs, powers and parentheses, so hostile text cannot
// exhaust the stack.
class Expression {
public:
    Expression(QasmLexer& lexer, std::string& failure) : lexer_(lexer), failure_(failure) {}

    std::optional<double> Sum(int depth) {
        std::optional<double> value = Product(depth);
        while (value && (lexer_.Peek().Is('+') || lexer_.Peek().Is('-'))) {
            const QasmToken op = lexer_.Next();
            const std::optional<double> right = Product(depth);
            value = right ? Finite(op, op.Is('+') ? *value + *right : *value - *right) : std::nullopt;
        }
        return value;
    }

private:
    std::optional<double> Product(int depth) {
        std::optional<double> value = Signed(depth);
        while (value && (lexer_.Peek().Is('*') || lexer_.Peek().Is('/'))) {
            const QasmToken op = lexer_.Next();
            const std::optional<double> right = Signed(depth);
            if (!right) return std::nullopt;
            if (op.Is('/') && *right == 0) return Fail(op, "0 で割っています");
            value = Finite(op, op.Is('*') ? *value * *right : *value / *right);
        }
        return value;
    }

    // A sign binds looser than ^, so -2^2 is -4; the exponent may carry its own sign.
    std::optional<double> Signed(int depth) {
        if (depth > kQasmMaxNesting)
            return Fail(lexer_.Peek(), "式の入れ子が深すぎます（" + std::to_string(kQasmMaxNesting) + " 段まで）");
        if (lexer_.Peek().Is('-') || lexer_.Peek().Is('+')) {
            const bool minus = lexer_.Next().Is('-');
            const std::optional<double> value = Signed(depth + 1);
            return value && minus ? std::optional<double>(-*value) : value;
        }
        const std::optional<double> base = Atom(depth);
        if (!base || !lexer_.Peek().Is('^')) return base;
        const QasmToken op = lexer_.Next();
        const std::optional<double> exponent = Signed(depth + 1);
        return exponent ? Finite(op, std::pow(*base, *exponent)) : std::nullopt;
    }

    std::optional<double> Atom(int depth) {
        const QasmToken token = lexer_.Next();
        if (token.kind == QasmTokenKind::Number) {
            double value = 0;
            const auto [end, error] = std::from_chars(token.text.data(), token.text.data() + token.text.size(), value);
            if (error != std::errc() || end != token.text.data() + token.text.size())
                return Fail(token, "数 " + QasmShown(token) + " は大きすぎるか小さすぎます");
            return value;
        }
        if (token.IsName("pi")) return std::numbers::pi;
        if (token.Is('(')) return Closed(depth);
        if (token.kind != QasmTokenKind::Name) return Fail(token, QasmUnexpected(token, "数か式"));
        using Function = double (*)(double);
        struct Named {
            std::string_view name;
            Function function;
        };
        static constexpr Named kFunctions[] = {
            {"sin", [](double x) { return std::sin(x); }},  {"cos", [](double x) { return std::cos(x); }},
            {"tan", [](double x) { return std::tan(x); }},  {"exp", [](double x) { return std::exp(x); }},
            {"ln", [](double x) { return std::log(x); }},   {"sqrt", [](double x) { return std::sqrt(x); }},
        };
        Function function = nullptr;
        for (const Named& named : kFunctions)
            if (token.text == named.name) function = named.function;
        if (!function) return Fail(token, "知らない名前 " + QasmShown(token) + " です");
        if (!lexer_.Peek().Is('(')) return Fail(lexer_.Peek(), QasmUnexpected(lexer_.Peek(), "("));
        lexer_.Next();
        const std::optional<double> argument = Closed(depth);
        return argument ? Finite(token, function(*argument)) : std::nullopt;
    }

    // The inside of parentheses whose "(" has been read, and the ")".
    std::optional<double> Closed(int depth) {
        const std::optional<double> value = Sum(depth + 1);
        if (!value) return std::nullopt;
        if (!lexer_.Peek().Is(')')) return Fail(lexer_.Peek(), QasmUnexpected(lexer_.Peek(), ")"));
        lexer_.Next();
        return value;
    }

    std::optional<double> Finite(const QasmToken& at, double value) {
        if (std::isfinite(value)) return value;
        return Fail(at, "値が有限になりません");
    }

    std::optional<double> Fail(const QasmToken& at, const std::string& reason) {
        failure_ = QasmFailure(at.line, reason);
        return std::nullopt;
    }

    QasmLexer& lexer_;
    std::string& failure_;
};

}  // namespace

QasmLexer::QasmLexer(std::string_view text) : text_(text) { Scan(); }

QasmToken QasmLexer::Next() {
    const QasmToken token = current_;
    if (token.kind != QasmTokenKind::End) Scan();
    return token;
}

void QasmLexer::Scan() {
    for (;;) {
        while (at_ < text_.size() && IsSpace(text_[at_])) line_ += text_[at_++] == '\n';
        if (text_.substr(at_, 2) != "//") break;
        while (at_ < text_.size() && text_[at_] != '\n') ++at_;
    }
    current_ = {QasmTokenKind::End, {}, line_};
    if (at_ >= text_.size()) return;
    const std::size_t start = at_;
    const auto take = [&](bool (*accepts)(char)) {
        while (at_ < text_.size() && accepts(text_[at_])) ++at_;
    };
    const auto peek = [&](std::size_t ahead) { return at_ + ahead < text_.size() ? text_[at_ + ahead] : '\0'; };
    const char c = text_[at_];
    current_.kind = QasmTokenKind::Bad;
    if (IsNameStart(c)) {
        take(IsNameChar);
        current_.kind = QasmTokenKind::Name;
    } else if (IsDigit(c) || (c == '.' && IsDigit(peek(1)))) {
        take(IsDigit);
        if (peek(0) == '.') ++at_, take(IsDigit);
        current_.kind = QasmTokenKind::Number;
        if (peek(0) == 'e' || peek(0) == 'E') {
            ++at_;
            if (peek(0) == '+' || peek(0) == '-') ++at_;
            if (!IsDigit(peek(0))) current_.kind = QasmTokenKind::Bad;
            take(IsDigit);
        }
    } else if (c == '"') {
        const std::size_t close = text_.find_first_of("\"\n", at_ + 1);
        if (close == std::string_view::npos || text_[close] == '\n') {
            at_ = close == std::string_view::npos ? text_.size() : close;
        } else {
            at_ = close + 1;
            current_.kind = QasmTokenKind::String;
        }
    } else {
        ++at_;
        if (kSymbols.find(c) != std::string_view::npos) current_.kind = QasmTokenKind::Symbol;
    }
    current_.text = text_.substr(start, at_ - start);
}

std::string QasmFailure(std::size_t line, std::string_view reason) {
    return std::to_string(line) + " 行目：" + std::string(reason);
}

std::string QasmShown(const QasmToken& token) {
    if (token.kind == QasmTokenKind::End) return "ファイルの終わり";
    if (token.kind == QasmTokenKind::String) return "文字列";
    constexpr std::size_t kLongest = 32;
    std::string shown(token.text.substr(0, kLongest));
    for (char& c : shown)
        if (c <= 0x20 || c >= 0x7f) c = '?';
    return token.text.size() > kLongest ? shown + "…" : shown;
}

std::string QasmUnexpected(const QasmToken& found, std::string_view expected) {
    if (found.kind == QasmTokenKind::Bad) return BadReason(found);
    // "; が必要です" but "整数が必要です": a space only after program text.
    const auto spaced = [](std::string_view text) {
        return std::string(text) + (!text.empty() && static_cast<unsigned char>(text.back()) < 0x80 ? " " : "");
    };
    const std::string what = found.kind == QasmTokenKind::End ? "ファイルが終わっています" : spaced(QasmShown(found)) + "があります";
    return spaced(expected) + "が必要です（" + what + "）";
}

std::optional<std::size_t> QasmInteger(const QasmToken& token) {
    if (token.kind != QasmTokenKind::Number) return std::nullopt;
    for (char c : token.text)
        if (!IsDigit(c)) return std::nullopt;
    std::size_t value = 0;
    const auto error = std::from_chars(token.text.data(), token.text.data() + token.text.size(), value).ec;
    return error == std::errc() ? value : SIZE_MAX;
}

std::optional<double> ParseQasmExpression(QasmLexer& lexer, std::string& failure) {
    return Expression(lexer, failure).Sum(0);
}

}  // namespace selvaris
