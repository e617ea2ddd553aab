#include "files/file_messages.h"

#include <cerrno>

namespace selvaris {

std::error_code LastError() {
    const int code = errno;
    return code != 0 ? std::error_code(code, std::generic_category()) : std::make_error_code(std::errc::io_error);
}

std::string DescribeFileError(const std::error_code& error) {
    if (error == std::errc::no_such_file_or_directory) return "見つかりません";
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return "アクセスが許可されていません";
    if (error == std::errc::no_space_on_device) return "ディスクの空き容量が足りません";
    if (error == std::errc::is_a_directory) return "フォルダです";
    if (error == std::errc::not_a_directory) return "途中にフォルダでないものがあります";
    if (error == std::errc::filename_too_long) return "名前が長すぎます";
    if (error == std::errc::read_only_file_system) return "読み取り専用のファイルシステムです";
    if (error == std::errc::file_too_large) return "ファイルの大きさの上限を超えます";
    if (error == std::errc::io_error) return "入出力エラーが起きました";
    if (error == std::errc::too_many_symbolic_link_levels) return "シンボリックリンクが多すぎます";
    return "エラー: " + error.message();
}

std::string NotARegularFileReason(std::filesystem::file_type type) {
    return type == std::filesystem::file_type::directory ? "同じ名前のフォルダがあります" : "通常のファイルではありません";
}

std::string DisplayPath(const std::string& path) {
    std::string shown;
    shown.reserve(path.size());
    for (char c : path) {
        if (c == '\0')
            shown += "\\0";
        else
            shown += c;
    }
    return shown;
}

std::string OverwriteQuestion(const std::string& path) {
    return DisplayPath(path) + " ファイルは既に存在します。上書きしますか？";
}

std::string SaveFailedMessage(const std::string& path, const std::string& reason) {
    return DisplayPath(path) + " に保存できませんでした（" + reason + "）。";
}

std::string OpenFailedMessage(const std::string& path, const std::string& reason) {
    return DisplayPath(path) + " を開けませんでした（" + reason + "）。";
}

std::string EmptyFileNameMessage() { return "ファイル名を入力してください。"; }

}  // namespace selvaris
