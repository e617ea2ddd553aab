#pragma once

#include <string>

namespace selvaris {

// Why a cell text was refused. The numbers are the codes the user sees (E09 and
// E19 do not exist).
enum class CellError {
    TooManyDigitsFirst = 1,      // E01
    TooManyDigitsSecond = 2,     // E02
    TooManyNumbers = 3,          // E03
    BadStart = 4,                // E04
    BadSignAfterFirst = 5,       // E05
    PlusNotNeeded = 6,           // E06
    PointFirst = 7,              // E07
    PointLast = 8,               // E08
    PointBeforeNonDigit = 10,    // E10
    TooManySignsOneNumber = 11,  // E11
    MisplacedI = 12,             // E12
    MissingI = 13,               // E13
    BadCharacter = 14,           // E14
    TooLong = 15,                // E15
    TooManyPointsOneNumber = 16, // E16
    TooManyPointsTwoNumbers = 17,// E17
    TooManyPlus = 18,            // E18
    TooManyMinus = 20,           // E20
};

// "E01" .. "E20".
std::string CellErrorCode(CellError error);

// The reason shown in front of the cell position, e.g. "文字数が多すぎます。".
std::string CellErrorReason(CellError error);

// The whole message for the cell in 1-based row and column, e.g.
// "文字数が多すぎます。修正が必要なセルは2行3列です。 E15".
std::string CellErrorMessage(CellError error, int oneBasedRow, int oneBasedColumn);

}  // namespace selvaris
