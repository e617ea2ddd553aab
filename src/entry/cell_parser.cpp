#include "entry/cell_parser.h"

#include <optional>

#include "entry/evaluate_digits.h"
#include "entry/utf16_units.h"

namespace selvaris {
namespace {

constexpr int kMaxNumberDigits = 5;
constexpr int kMissing = -1;

// The characters of one cell, with every position outside the text "missing":
// a missing position is never a digit and equals no character.
class CellChars {
public:
    explicit CellChars(std::u16string_view units) : units_(units) {}

    int size() const { return static_cast<int>(units_.size()); }
    int at(int k) const { return (k >= 0 && k < size()) ? units_[static_cast<std::size_t>(k)] : kMissing; }
    bool Is(int k, char16_t c) const { return at(k) == c; }
    bool IsDigit(int k) const { return at(k) >= u'0' && at(k) <= u'9'; }
    bool IsSign(int k) const { return Is(k, u'+') || Is(k, u'-'); }
    bool IsAllowed(int k) const { return IsDigit(k) || Is(k, u'.') || IsSign(k) || Is(k, u'i'); }

    int Count(char16_t c, int from = 0, int to = -1) const {
        if (to < 0) to = size();
        int n = 0;
        for (int k = from; k < to; ++k) n += Is(k, c) ? 1 : 0;
        return n;
    }
    std::u16string_view Slice(int from, int to) const {
        return units_.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    }

private:
    std::u16string_view units_;
};

CellCheck Refused(CellError error) {
    CellCheck r;
    r.error = error;
    return r;
}

CellCheck Accepted(double real, double imag) {
    CellCheck r;
    r.accepted = true;
    r.real = real;
    r.imag = imag;
    return r;
}

// Value of a number's characters (digits and at most one point), or nothing for
// a shape without a value. A lone "i" stands for 1.
std::optional<double> NumberValue(std::u16string_view characters, int sign) {
    if (characters == u"i") characters = u"1";
    if (characters.size() > DigitSlots{}.size()) return std::nullopt;
    double digitResult = 0.0;
    if (!EvaluateDigits(static_cast<int>(characters.size()), sign, MakeDigitSlots(characters), digitResult))
        return std::nullopt;
    return digitResult;
}

bool IsPureImaginary(const CellChars& c) {
    const int last = c.size() - 1;
    if (c.Is(0, u'i')) return true;
    if (!(c.IsDigit(0) || c.Is(0, u'-')) || !c.Is(last, u'i')) return false;
    for (int k = 1; k < last; ++k)
        if (!(c.IsDigit(k) || c.Is(k, u'.'))) return false;
    return true;
}

// Turns a text that passed every check into its value.
std::optional<CellCheck> Convert(const CellChars& c) {
    const int len = c.size();
    const bool negative = c.Is(0, u'-');
    const int from = negative ? 1 : 0;

    if (IsPureImaginary(c)) {
        std::u16string_view t = c.Slice(from, len);
        if (t.size() > 1) t.remove_suffix(1);  // the final "i"
        const auto imag = NumberValue(t, negative ? -1 : 1);
        if (!imag) return std::nullopt;
        return Accepted(0.0, *imag);
    }

    if (!c.IsDigit(0) && !negative) return std::nullopt;
    int split = from;
    while (split < len && !c.IsSign(split)) ++split;
    const auto real = NumberValue(c.Slice(from, split), negative ? -1 : 1);
    if (!real) return std::nullopt;
    if (split == len) return Accepted(*real, 0.0);

    std::u16string_view second = c.Slice(split + 1, len);
    if (second != u"i") second.remove_suffix(1);  // the final "i"
    const auto imag = NumberValue(second, c.Is(split, u'-') ? -1 : 1);
    if (!imag) return std::nullopt;
    return Accepted(*real, *imag);
}

}  // namespace

CellCheck CheckCell(std::u16string_view units) {
    if (units.size() > static_cast<std::size_t>(kMaxCellLength)) return Refused(CellError::TooLong);
    const CellChars c(units);
    const int len = c.size();
    if (len == 0) return Accepted(0.0, 0.0);

    for (int k = 0; k < len; ++k)
        if (!c.IsAllowed(k)) return Refused(CellError::BadCharacter);

    // Where the first number starts; "i" and "-i" have none.
    int start = 0;
    bool unitForm = false;
    if (c.IsDigit(0)) {
        start = 0;
    } else if (c.IsDigit(1)) {
        start = 1;
    } else if (c.Is(0, u'i') || (c.Is(0, u'-') && c.Is(1, u'i'))) {
        unitForm = true;
    } else {
        return Refused(CellError::BadStart);
    }

    int partCount = 0;
    int firstEnd = start;
    int secondStart = len;
    int secondEnd = len;
    if (!unitForm) {
        int k = start;
        int digits = 0;
        while (k < len && (c.IsDigit(k) || c.Is(k, u'.'))) digits += c.IsDigit(k++) ? 1 : 0;
        partCount = 1;
        firstEnd = k;
        if (digits > kMaxNumberDigits) return Refused(CellError::TooManyDigitsFirst);

        if (k < len && !c.Is(k, u'i')) {
            // c[k] is the sign of a second number.
            if (c.at(k + 1) == kMissing || c.IsSign(k + 1) || c.Is(k + 1, u'.'))
                return Refused(CellError::BadSignAfterFirst);
            int j = k + 1;
            int secondDigits = 0;
            while (j < len && (c.IsDigit(j) || c.Is(j, u'.') || c.Is(j, u'i'))) secondDigits += c.IsDigit(j++) ? 1 : 0;
            partCount = 2;
            secondStart = k + 1;
            secondEnd = j;
            if (secondDigits > kMaxNumberDigits) return Refused(CellError::TooManyDigitsSecond);
            for (int m = j; m < len; ++m)
                if (c.IsDigit(m) || c.Is(m, u'.')) return Refused(CellError::TooManyNumbers);
        }
    }

    const int points = c.Count(u'.');
    if (partCount == 1 && points > 1) return Refused(CellError::TooManyPointsOneNumber);
    if (partCount == 2 && points > 2) return Refused(CellError::TooManyPointsTwoNumbers);

    const int plus = c.Count(u'+');
    const int minus = c.Count(u'-');
    if (partCount == 1 && plus + minus > 1) return Refused(CellError::TooManySignsOneNumber);
    if (plus > 0 && unitForm) return Refused(CellError::PlusNotNeeded);
    if (partCount == 2 && plus > 1) return Refused(CellError::TooManyPlus);
    if (partCount == 2 && minus > 2) return Refused(CellError::TooManyMinus);

    for (int k = 0; k < len - 1; ++k)
        if (c.Is(k, u'i')) return Refused(CellError::MisplacedI);
    if (partCount == 2 && !c.Is(len - 1, u'i')) return Refused(CellError::MissingI);
    // Signs between the second number and its "i" (1+2-i) make a third number.
    if (partCount == 2 && secondEnd < len) return Refused(CellError::TooManyNumbers);

    for (int k = 0; k < len; ++k) {
        if (!c.Is(k, u'.')) continue;
        if (k == 0) return Refused(CellError::PointFirst);
        if (k == len - 1) return Refused(CellError::PointLast);
        if (!c.IsDigit(k + 1)) return Refused(CellError::PointBeforeNonDigit);
    }
    // Two points are allowed in two numbers, but never both in the same one (1.2.3+4i).
    if (partCount == 2 && (c.Count(u'.', start, firstEnd) > 1 || c.Count(u'.', secondStart, secondEnd) > 1))
        return Refused(CellError::TooManyPointsTwoNumbers);

    // A number is positive without a sign, so a leading "+" is refused like the
    // "+" of "i+1"; only once every other check has passed, so that a text with
    // more wrong with it hears about that first.
    if (c.Is(0, u'+')) return Refused(CellError::PlusNotNeeded);

    // Every text that got here has a value; the fallback only guards the conversion.
    return Convert(c).value_or(Refused(CellError::BadStart));
}

CellCheck CheckCellText(std::string_view utf8) { return CheckCell(Utf16Units(utf8)); }

void ParseCell(const std::string& text, int row, int column, CellValues& values, SharedRegisters& registers,
               Platform& platform) {
    // No cell to name and nowhere to store a value: refused without a message.
    if (!IsMatrixIndex(row) || !IsMatrixIndex(column)) {
        registers.EntryError = true;
        return;
    }
    const CellCheck check = CheckCellText(text);
    if (check.accepted) {
        values.CellReal = check.real;
        values.CellImag = check.imag;
        return;
    }
    platform.MessageBox(CellErrorMessage(check.error, row + 1, column + 1), kStyleExclamationOk, "Message");
    registers.EntryError = true;
    registers.EntryErrorRow = static_cast<std::int16_t>(row);
    registers.EntryErrorColumn = static_cast<std::int16_t>(column);
    if (row >= 0 && row < 4 && column >= 0 && column < 4)
        registers.EntryRefusedCells = static_cast<std::uint16_t>(registers.EntryRefusedCells | (1u << (4 * row + column)));
}

}  // namespace selvaris
