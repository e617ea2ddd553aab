#include "files/matrix_file_format.h"

#include <bit>
#include <cmath>

namespace selvaris {
namespace {

void PutLittleEndian(MatrixFileBytes& bytes, std::size_t offset, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < 8; ++i) bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

double GetLittleEndian(const MatrixFileBytes& bytes, std::size_t offset) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(bytes[offset + i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

}  // namespace

MatrixFileBytes EncodeMatrixFile(const ComplexMatrix& matrix) {
    MatrixFileBytes bytes{};
    for (int part = 0; part < 2; ++part)
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 4; ++column)
                PutLittleEndian(bytes, MatrixFileOffset(part, row, column), matrix.v[row][column][part]);
    return bytes;
}

ComplexMatrix DecodeMatrixFile(const MatrixFileBytes& bytes) {
    ComplexMatrix matrix;
    for (int part = 0; part < 2; ++part)
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 4; ++column)
                matrix.v[row][column][part] = GetLittleEndian(bytes, MatrixFileOffset(part, row, column));
    return matrix;
}


}  // namespace selvaris
