#include "files/matrix_file_io.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/bounded_file_read.h"
#include "files/file_messages.h"
#include "files/matrix_file_format.h"
#include "files/safe_file_write.h"

namespace selvaris {

namespace fs = std::filesystem;

MatrixFileRead ReadMatrixFile(const std::string& path) {
    MatrixFileRead result;
    MatrixFileBytes bytes{};
    // Opened first and checked after, so a FIFO put in the file's place cannot block the read.
    const FileBytes file = ReadRegularFileStart(path, bytes.size());
    if (!file.bytes) {
        result.failure = file.failure;
        return result;
    }
    if (file.bytes->size() < bytes.size()) {
        result.failure = "長さが " + std::to_string(file.bytes->size()) + " バイトしかなく、256 バイトに足りません";
        return result;
    }
    std::copy(file.bytes->begin(), file.bytes->end(), bytes.begin());
    const ComplexMatrix matrix = DecodeMatrixFile(bytes);
    if (!matrix.IsFinite()) {
        result.failure = "数でない値（NaN）か無限大が含まれています";
        return result;
    }
    result.matrix = matrix;
    return result;
}

SaveTarget InspectSaveTarget(const std::string& path) {
    SaveTarget target;
    if (ContainsNulByte(path)) {
        target.failure = kNulInNameReason;
        return target;
    }
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        target.kind = SaveTarget::Kind::Missing;
        return target;
    }
    if (error) {
        target.failure = DescribeFileError(error);
        return target;
    }
    if (status.type() != fs::file_type::regular) {
        target.failure = NotARegularFileReason(status.type());
        return target;
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (error) {
        target.failure = DescribeFileError(error);
        return target;
    }
    target.kind = size >= 1 ? SaveTarget::Kind::NonEmptyFile : SaveTarget::Kind::EmptyFile;
    return target;
}

std::optional<std::string> WriteMatrixFile(const std::string& path, const ComplexMatrix& matrix) {
    const MatrixFileBytes bytes = EncodeMatrixFile(matrix);
    return ReplaceFileContents(path, std::string(bytes.begin(), bytes.end()));
}

}  // namespace selvaris
