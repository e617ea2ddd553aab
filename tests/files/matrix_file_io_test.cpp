#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "files/matrix_file_format.h"
#include "files/matrix_file_io.h"
#include "temp_folder.h"

// The windows' flow tests cover the common failures; these cover what a flow cannot easily reach.
namespace selvaris {
namespace {

using testing::FolderEntries;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

std::vector<std::uint8_t> Encoded(const ComplexMatrix& m) {
    const MatrixFileBytes bytes = EncodeMatrixFile(m);
    return {bytes.begin(), bytes.end()};
}

TEST(MatrixFileIo, RefusesPathsThatAreNoPlaceForAMatrix) {
    TempFolder temp;
    WriteBytes(temp / "file", {5});
    struct Case {
        std::string path;
        const char* reason;
    };
    const Case cases[] = {
        {"/dev/null", "通常のファイルではありません"},
        {temp / "file/a.gyo", "途中にフォルダでないものがあります"},
        {std::string("a\0b.gyo", 7), "名前に NUL 文字が含まれています"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WriteMatrixFile(c.path, ComplexMatrix::Identity()).value_or("written"), c.reason) << c.path;
        EXPECT_EQ(ReadMatrixFile(c.path).failure, c.reason) << c.path;
    }
    EXPECT_EQ(InspectSaveTarget("/dev/null").kind, SaveTarget::Kind::Refused);
    EXPECT_EQ(FolderEntries(temp.path()), std::vector<std::string>{"file"});
    EXPECT_EQ(ReadBytes(temp / "file"), std::vector<std::uint8_t>{5});
}

TEST(MatrixFileIo, ReplacingKeepsPermissionBitsAndFollowsSymbolicLinks) {
    TempFolder temp;
    WriteBytes(temp / "private.gyo", {1, 2, 3});
    const auto privateBits = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(temp / "private.gyo", privateBits);
    ASSERT_FALSE(WriteMatrixFile(temp / "private.gyo", ComplexMatrix::Identity()));
    EXPECT_EQ(fs::status(temp / "private.gyo").permissions(), privateBits);

    fs::create_directory(temp.path() / "real");
    WriteBytes(temp / "real/target.gyo", {9});
    fs::create_symlink("real/target.gyo", temp / "link.gyo");
    ASSERT_FALSE(WriteMatrixFile(temp / "link.gyo", ComplexMatrix::Identity()));
    EXPECT_TRUE(fs::is_symlink(temp / "link.gyo"));
    EXPECT_EQ(ReadBytes(temp / "real/target.gyo"), Encoded(ComplexMatrix::Identity()));
    EXPECT_EQ(FolderEntries(temp.path() / "real"), std::vector<std::string>{"target.gyo"});
}

TEST(MatrixFileIo, AReadOnlyFileOrFolderStaysUntouched) {
    if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop the superuser";
    TempFolder temp;
    WriteBytes(temp / "readonly.gyo", {1, 2});
    fs::permissions(temp / "readonly.gyo", fs::perms::owner_read);
    EXPECT_EQ(WriteMatrixFile(temp / "readonly.gyo", ComplexMatrix::Identity()).value_or(""),
              "アクセスが許可されていません");
    EXPECT_EQ(ReadBytes(temp / "readonly.gyo"), (std::vector<std::uint8_t>{1, 2}));

    fs::create_directory(temp.path() / "locked");
    fs::permissions(temp.path() / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(WriteMatrixFile(temp / "locked/a.gyo", ComplexMatrix::Identity()).value_or(""),
              "アクセスが許可されていません");
    EXPECT_TRUE(FolderEntries(temp.path() / "locked").empty());
}

}  // namespace
}  // namespace selvaris
