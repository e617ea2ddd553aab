#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace selvaris {

inline constexpr const char* kFileMessageTitle = "メッセージ";
inline constexpr const char* kOverwriteTitle = "Tormelle";
inline constexpr const char* kNulInNameReason = "名前に NUL 文字が含まれています";

// The C library would silently cut such a path short at the NUL.
inline bool ContainsNulByte(const std::string& path) { return path.find('\0') != std::string::npos; }

// Why something that is not a regular file cannot be saved over.
std::string NotARegularFileReason(std::filesystem::file_type type);

// The error a failed system or C library call left in errno, never "success".
std::error_code LastError();

// A file-system error as a short Japanese reason, e.g. "見つかりません".
std::string DescribeFileError(const std::error_code& error);

// A path made safe to show: a NUL byte would cut the text short in the
// desktop's message box, so it is shown as "\0".
std::string DisplayPath(const std::string& path);

std::string OverwriteQuestion(const std::string& path);
std::string SaveFailedMessage(const std::string& path, const std::string& reason);
std::string OpenFailedMessage(const std::string& path, const std::string& reason);
std::string EmptyFileNameMessage();

}  // namespace selvaris
