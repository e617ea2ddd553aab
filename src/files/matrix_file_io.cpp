#include "files/matrix_file_io.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "files/file_messages.h"
#include "files/matrix_file_format.h"
#include "files/safe_file_write.h"

namespace selvaris {

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const {
        if (file) std::fclose(file);
    }
};

}  // namespace

MatrixFileRead ReadMatrixFile(const std::string& path) {
    MatrixFileRead result;
    if (ContainsNulByte(path)) {
        result.failure = kNulInNameReason;
        return result;
    }
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error) {
        result.failure = DescribeFileError(error);
        return result;
    }
    if (status.type() != fs::file_type::regular) {
        result.failure = status.type() == fs::file_type::directory ? "フォルダです" : "通常のファイルではありません";
        return result;
    }
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        result.failure = DescribeFileError(LastError());
        return result;
    }
    MatrixFileBytes bytes{};
    errno = 0;
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (got < bytes.size()) {
        result.failure = std::ferror(file.get()) ? DescribeFileError(LastError())
                                                 : "長さが " + std::to_string(got) + " バイトしかなく、256 バイトに足りません";
        return result;
    }
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
