#include "entry/cell_error.h"

namespace selvaris {

std::string CellErrorCode(CellError error) {
    const int n = static_cast<int>(error);
    return std::string("E") + static_cast<char>('0' + n / 10) + static_cast<char>('0' + n % 10);
}

std::string CellErrorReason(CellError error) {
    switch (error) {
        case CellError::TooManyDigitsFirst:
        case CellError::TooManyDigitsSecond:
            return "数字の桁数が多すぎます。";
        case CellError::TooManyNumbers:
            return "数字の数が多すぎます。";
        case CellError::BadStart:
        case CellError::BadSignAfterFirst:
            return "書式に間違いがあります。";
        case CellError::PlusNotNeeded:
            return "+ は必要ありません。";
        case CellError::PointFirst:
        case CellError::PointLast:
        case CellError::PointBeforeNonDigit:
            return "入力データに間違いがあります。";
        case CellError::TooManySignsOneNumber:
            return "+ - の数が多すぎます。";
        case CellError::MisplacedI:
            return "i の位置が間違っています。";
        case CellError::MissingI:
            return "i が必要です。";
        case CellError::BadCharacter:
            return "使用できない文字があります。";
        case CellError::TooLong:
            return "文字数が多すぎます。";
        case CellError::TooManyPointsOneNumber:
        case CellError::TooManyPointsTwoNumbers:
            return "小数点の数が多すぎます。";
        case CellError::TooManyPlus:
            return "+ の数が多すぎます。";
        case CellError::TooManyMinus:
            return "- の数が多すぎます。";
    }
    return "書式に間違いがあります。";
}

std::string CellErrorMessage(CellError error, int oneBasedRow, int oneBasedColumn) {
    return CellErrorReason(error) + "修正が必要なセルは" + std::to_string(oneBasedRow) + "行" +
           std::to_string(oneBasedColumn) + "列です。 " + CellErrorCode(error);
}

}  // namespace selvaris
