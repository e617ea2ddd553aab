#include "files/npy_matrix.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

#include "files/bounded_file_read.h"

namespace selvaris {
namespace {

constexpr std::string_view kMagic = "\x93NUMPY";
constexpr std::size_t kElements = 16;
// Deeper nesting than any real header has; the bound keeps the recursive
// parser's stack small whatever the file holds.
constexpr int kMaxNesting = 32;
// Longest piece of a header quoted back in a reason.
constexpr std::size_t kMaxShown = 40;

MatrixFileRead Refused(std::string reason) {
    MatrixFileRead result;
    result.failure = std::move(reason);
    return result;
}

// Header text made safe to quote: only printable ASCII (a v1 header is
// latin-1, so its bytes are not UTF-8), cut short when long.
std::string Shown(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size() && i < kMaxShown; ++i)
        shown += (text[i] >= 0x20 && text[i] < 0x7F) ? text[i] : '?';
    if (text.size() > kMaxShown) shown += "…";
    return shown;
}

// The few Python literals a header may hold. A string's text is its raw
// contents between the quotes; an integer's, its digits.
struct Literal {
    enum class Kind { String, Integer, True, False, None, Tuple, List };
    Kind kind = Kind::None;
    std::string_view text;
    std::vector<Literal> items;
};

class HeaderParser {
public:
    HeaderParser(std::string_view text, bool longSuffix) : text_(text), longSuffix_(longSuffix) {}

    struct Header {
        std::optional<Literal> descr, fortranOrder, shape;
    };

    // The dict with exactly the three keys NumPy writes, or nothing.
    std::optional<Header> Parse() {
        Header header;
        if (!Eat('{')) return std::nullopt;
        while (!Eat('}')) {
            const std::optional<Literal> key = Value(0);
            if (!key || key->kind != Literal::Kind::String || !Eat(':')) return std::nullopt;
            std::optional<Literal>* slot = key->text == "descr"           ? &header.descr
                                           : key->text == "fortran_order" ? &header.fortranOrder
                                           : key->text == "shape"         ? &header.shape
                                                                          : nullptr;
            if (!slot || *slot) return std::nullopt;
            *slot = Value(0);
            if (!*slot) return std::nullopt;
            if (!Eat(',') && !Peek('}')) return std::nullopt;
        }
        SkipSpace();
        if (at_ != text_.size() || !header.descr || !header.fortranOrder || !header.shape) return std::nullopt;
        return header;
    }

private:
    void SkipSpace() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' ||
                                      text_[at_] == '\r' || text_[at_] == '\f'))
            ++at_;
    }
    bool Peek(char c) {
        SkipSpace();
        return at_ < text_.size() && text_[at_] == c;
    }
    bool Eat(char c) {
        if (!Peek(c)) return false;
        ++at_;
        return true;
    }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static bool IsWordChar(char c) {
        return IsDigit(c) || c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    }

    std::optional<Literal> Value(int depth) {
        if (depth > kMaxNesting) return std::nullopt;
        SkipSpace();
        if (at_ >= text_.size()) return std::nullopt;
        const char c = text_[at_];
        if (c == '(' || c == '[') return Sequence(depth);
        if ((c == 'u' || c == 'U') && at_ + 1 < text_.size() && (text_[at_ + 1] == '\'' || text_[at_ + 1] == '"'))
            ++at_;
        if (text_[at_] == '\'' || text_[at_] == '"') return String();
        const std::size_t start = at_;
        while (at_ < text_.size() && IsWordChar(text_[at_])) ++at_;
        Literal literal;
        literal.text = text_.substr(start, at_ - start);
        if (literal.text == "True") literal.kind = Literal::Kind::True;
        else if (literal.text == "False") literal.kind = Literal::Kind::False;
        else if (literal.text == "None") literal.kind = Literal::Kind::None;
        else return Integer(literal);
        return literal;
    }

    // Python 2 wrote long integers with an L; NumPy still reads such files.
    std::optional<Literal> Integer(Literal literal) const {
        std::string_view digits = literal.text;
        if (longSuffix_ && digits.size() > 1 && (digits.back() == 'L' || digits.back() == 'l'))
            digits.remove_suffix(1);
        if (digits.empty() || (digits[0] == '0' && digits.size() > 1)) return std::nullopt;
        for (char c : digits)
            if (!IsDigit(c)) return std::nullopt;
        literal.kind = Literal::Kind::Integer;
        literal.text = digits;
        return literal;
    }

    // A string on one line; escapes are kept as written, so an escaped
    // type name matches none we read.
    std::optional<Literal> String() {
        const char quote = text_[at_++];
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] != quote && text_[at_] != '\n') {
            if (text_[at_] == '\\') ++at_;
            ++at_;
        }
        if (at_ >= text_.size() || text_[at_] != quote) return std::nullopt;
        Literal literal;
        literal.kind = Literal::Kind::String;
        literal.text = text_.substr(start, at_ - start);
        ++at_;
        return literal;
    }

    // A tuple or a list; "(x)" without a comma is x itself, as in Python.
    std::optional<Literal> Sequence(int depth) {
        const char open = text_[at_++];
        const char close = open == '(' ? ')' : ']';
        Literal literal;
        literal.kind = open == '(' ? Literal::Kind::Tuple : Literal::Kind::List;
        bool comma = false;
        while (!Eat(close)) {
            std::optional<Literal> item = Value(depth + 1);
            if (!item) return std::nullopt;
            literal.items.push_back(std::move(*item));
            comma = Eat(',');
            if (!comma && !Peek(close)) return std::nullopt;
        }
        if (open == '(' && literal.items.size() == 1 && !comma) return std::move(literal.items[0]);
        return literal;
    }

    std::string_view text_;
    bool longSuffix_;
    std::size_t at_ = 0;
};

std::string ShapeText(const Literal& shape) {
    std::string text = "(";
    for (std::size_t i = 0; i < shape.items.size(); ++i) text += (i ? ", " : "") + std::string(shape.items[i].text);
    return Shown(text + (shape.items.size() == 1 ? ",)" : ")"));
}

// Why the descr is not one we read, or nothing for complex128 and float64
// with a stated byte order.
std::optional<std::string> DescrProblem(const Literal& descr) {
    // A list is a structured type, a tuple a sub-array type: neither is a plain array of numbers.
    if (descr.kind == Literal::Kind::List || descr.kind == Literal::Kind::Tuple)
        return "構造化された型の配列は読みません";
    if (descr.kind != Literal::Kind::String) return "ヘッダーが読めません";
    const std::string_view text = descr.text;
    const bool byteOrderMark = !text.empty() && std::string_view("<>=|").find(text[0]) != std::string_view::npos;
    const std::string_view type = byteOrderMark ? text.substr(1) : text;
    if (type == "O" || type == "O8") return "Python オブジェクトの配列（pickle）は読みません";
    const std::string quoted = "型が '" + Shown(text) + "' の配列です。";
    if (type != "c16" && type != "f8") return quoted + "complex128 か float64 が必要です";
    // '=' and '|' (or nothing) leave the order to the reading machine, which
    // cannot tell how the writer stored the bytes.
    if (text[0] != '<' && text[0] != '>') return quoted + "バイト順（< か >）が必要です";
    return std::nullopt;
}

double DecodeDouble(std::string_view bytes, std::size_t offset, bool bigEndian) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        const auto byte = static_cast<std::uint8_t>(bytes[offset + (bigEndian ? i : 7 - i)]);
        bits = (bits << 8) | byte;
    }
    return std::bit_cast<double>(bits);
}

std::uint32_t LittleEndian(std::string_view bytes, std::size_t offset, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
}

}  // namespace

MatrixFileRead ReadNpyBytes(std::string_view bytes) {
    if (bytes.substr(0, kMagic.size()) != kMagic) return Refused("NumPy の .npy ファイルではありません");
    if (bytes.size() < kMagic.size() + 2) return Refused("ヘッダーの途中で終わっています");
    const int major = static_cast<std::uint8_t>(bytes[6]);
    const int minor = static_cast<std::uint8_t>(bytes[7]);
    if (minor != 0 || major < 1 || major > 3)
        return Refused("NumPy 形式のバージョン " + std::to_string(major) + "." + std::to_string(minor) +
                       " には対応していません");
    const std::size_t lengthWidth = major == 1 ? 2 : 4;
    const std::size_t headerStart = 8 + lengthWidth;
    if (bytes.size() < headerStart) return Refused("ヘッダーの途中で終わっています");
    const std::size_t headerLength = LittleEndian(bytes, 8, lengthWidth);
    if (headerLength > kNpyMaxHeaderBytes)
        return Refused("ヘッダーが長すぎます（" + std::to_string(kNpyMaxHeaderBytes) + " バイトまで）");
    if (bytes.size() - headerStart < headerLength) return Refused("ヘッダーの途中で終わっています");

    const auto header = HeaderParser(bytes.substr(headerStart, headerLength), major < 3).Parse();
    if (!header) return Refused("ヘッダーが読めません");
    if (const auto problem = DescrProblem(*header->descr)) return Refused(*problem);
    const Literal& shape = *header->shape;
    if (shape.kind != Literal::Kind::Tuple) return Refused("ヘッダーが読めません");
    for (const Literal& length : shape.items)
        if (length.kind != Literal::Kind::Integer) return Refused("ヘッダーが読めません");
    if (shape.items.size() != 2 || shape.items[0].text != "4" || shape.items[1].text != "4")
        return Refused("形が " + ShapeText(shape) + " の配列です。4×4 の配列が必要です");
    const Literal::Kind order = header->fortranOrder->kind;
    if (order != Literal::Kind::True && order != Literal::Kind::False) return Refused("ヘッダーが読めません");

    const std::string_view descr = header->descr->text;
    const bool complex = descr.substr(1) == "c16";
    const bool bigEndian = descr[0] == '>';
    const std::size_t elementBytes = complex ? 16 : 8;
    const std::size_t expected = kElements * elementBytes;
    const std::string_view data = bytes.substr(headerStart + headerLength);
    if (data.size() < expected)
        return Refused("データが " + std::to_string(data.size()) + " バイトしかなく、" + std::to_string(expected) +
                       " バイトに足りません");
    if (data.size() > expected)
        return Refused("データの後に余分な " + std::to_string(data.size() - expected) + " バイトがあります");

    ComplexMatrix matrix;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            const int index = order == Literal::Kind::True ? 4 * column + row : 4 * row + column;
            const std::size_t offset = static_cast<std::size_t>(index) * elementBytes;
            matrix.re(row, column) = DecodeDouble(data, offset, bigEndian);
            matrix.im(row, column) = complex ? DecodeDouble(data, offset + 8, bigEndian) : 0.0;
        }
    if (!matrix.IsFinite()) return Refused("数でない値（NaN）か無限大が含まれています");
    MatrixFileRead result;
    result.matrix = matrix;
    return result;
}

MatrixFileRead ReadNpyFile(const std::string& path) {
    const FileBytes file = ReadRegularFile(path, kNpyMaxFileBytes);
    if (!file.bytes) return Refused(file.failure);
    return ReadNpyBytes(*file.bytes);
}

}  // namespace selvaris
