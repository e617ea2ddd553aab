#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <filesystem>
#include <limits>

#include "files/matrix_file_format.h"
#include "files/matrix_file_io.h"
#include "temp_folder.h"

namespace selvaris {
namespace {

using testing::FolderEntries;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

ComplexMatrix Sample() {
    ComplexMatrix m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            m.re(r, c) = 0.1 * (4 * r + c) - 0.7;
            m.im(r, c) = -1.0 / (3.0 + r + c);
        }
    return m;
}

std::vector<std::uint8_t> Encoded(const ComplexMatrix& m) {
    const MatrixFileBytes bytes = EncodeMatrixFile(m);
    return {bytes.begin(), bytes.end()};
}

TEST(ReadMatrixFile, ReadsTheFirst256BytesAndIgnoresTheRest) {
    TempFolder temp;
    std::vector<std::uint8_t> bytes = Encoded(Sample());
    bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3});  // a NaN in the tail is no matter
    WriteBytes(temp / "long.gyo", bytes);
    const MatrixFileRead read = ReadMatrixFile(temp / "long.gyo");
    ASSERT_TRUE(read.matrix) << read.failure;
    EXPECT_TRUE(read.matrix->BitwiseEquals(Sample()));
}

TEST(ReadMatrixFile, RefusesWhatIsNotAWholeFiniteMatrix) {
    TempFolder temp;
    ComplexMatrix withNaN = Sample();
    withNaN.im(2, 3) = std::numeric_limits<double>::quiet_NaN();
    ComplexMatrix withInfinity = Sample();
    withInfinity.re(0, 0) = -std::numeric_limits<double>::infinity();
    std::vector<std::uint8_t> oneShort = Encoded(Sample());
    oneShort.pop_back();

    WriteBytes(temp / "empty.gyo", {});
    WriteBytes(temp / "short.gyo", oneShort);
    WriteBytes(temp / "nan.gyo", Encoded(withNaN));
    WriteBytes(temp / "inf.gyo", Encoded(withInfinity));
    fs::create_directory(temp.path() / "folder.gyo");

    struct Case {
        const char* name;
        std::string reason;
    };
    const Case cases[] = {
        {"empty.gyo", "長さが 0 バイトしかなく、256 バイトに足りません"},
        {"short.gyo", "長さが 255 バイトしかなく、256 バイトに足りません"},
        {"nan.gyo", "数でない値（NaN）か無限大が含まれています"},
        {"inf.gyo", "数でない値（NaN）か無限大が含まれています"},
        {"folder.gyo", "フォルダです"},
        {"missing.gyo", "見つかりません"},
    };
    for (const Case& c : cases) {
        const MatrixFileRead read = ReadMatrixFile(temp / c.name);
        EXPECT_FALSE(read.matrix) << c.name;
        EXPECT_EQ(read.failure, c.reason) << c.name;
    }
    EXPECT_EQ(ReadMatrixFile(std::string("a\0b.gyo", 7)).failure, "名前に NUL 文字が含まれています");
}

TEST(ReadMatrixFile, AnUnreadableFileGivesAReason) {
    if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop the superuser";
    TempFolder temp;
    WriteBytes(temp / "locked.gyo", Encoded(Sample()));
    fs::permissions(temp / "locked.gyo", fs::perms::none);
    EXPECT_EQ(ReadMatrixFile(temp / "locked.gyo").failure, "アクセスが許可されていません");
}

TEST(InspectSaveTarget, TellsMissingEmptyNonEmptyAndRefused) {
    TempFolder temp;
    WriteBytes(temp / "empty.gyo", {});
    WriteBytes(temp / "one.gyo", {0});
    fs::create_directory(temp.path() / "folder.gyo");
    struct Case {
        std::string path;
        SaveTarget::Kind kind;
        const char* failure;
    };
    const Case cases[] = {
        {temp / "new.gyo", SaveTarget::Kind::Missing, ""},
        {temp / "gone/new.gyo", SaveTarget::Kind::Missing, ""},  // the write reports the missing folder
        {temp / "empty.gyo", SaveTarget::Kind::EmptyFile, ""},
        {temp / "one.gyo", SaveTarget::Kind::NonEmptyFile, ""},
        {temp / "folder.gyo", SaveTarget::Kind::Refused, "同じ名前のフォルダがあります"},
        {"/dev/null", SaveTarget::Kind::Refused, "通常のファイルではありません"},
    };
    for (const Case& c : cases) {
        const SaveTarget target = InspectSaveTarget(c.path);
        EXPECT_EQ(target.kind, c.kind) << c.path;
        EXPECT_EQ(target.failure, c.failure) << c.path;
    }
}

TEST(WriteMatrixFile, WritesExactly256BytesAndLeavesNoTemporaryFile) {
    TempFolder temp;
    WriteBytes(temp / "longer.gyo", std::vector<std::uint8_t>(1000, 0xAB));
    for (const char* name : {"new.gyo", "longer.gyo"}) {
        ASSERT_FALSE(WriteMatrixFile(temp / name, Sample())) << name;
        EXPECT_EQ(ReadBytes(temp / name), Encoded(Sample())) << name;
    }
    EXPECT_EQ(FolderEntries(temp.path()), (std::vector<std::string>{"longer.gyo", "new.gyo"}));
}

TEST(WriteMatrixFile, KeepsPermissionBitsAndFollowsSymbolicLinks) {
    TempFolder temp;
    WriteBytes(temp / "private.gyo", {1, 2, 3});
    const auto privateBits = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(temp / "private.gyo", privateBits);
    ASSERT_FALSE(WriteMatrixFile(temp / "private.gyo", Sample()));
    EXPECT_EQ(fs::status(temp / "private.gyo").permissions(), privateBits);

    fs::create_directory(temp.path() / "real");
    WriteBytes(temp / "real/target.gyo", {9});
    fs::create_symlink("real/target.gyo", temp / "link.gyo");
    ASSERT_FALSE(WriteMatrixFile(temp / "link.gyo", Sample()));
    EXPECT_TRUE(fs::is_symlink(temp / "link.gyo"));
    EXPECT_EQ(ReadBytes(temp / "real/target.gyo"), Encoded(Sample()));
    EXPECT_EQ(FolderEntries(temp.path() / "real"), (std::vector<std::string>{"target.gyo"}));
}

TEST(WriteMatrixFile, AFailureWritesNothingAndKeepsTheOldFile) {
    TempFolder temp;
    fs::create_directory(temp.path() / "folder.gyo");
    WriteBytes(temp / "folder.gyo/inside", {7});
    WriteBytes(temp / "file", {5});
    struct Case {
        std::string path;
        const char* reason;
    };
    const Case cases[] = {
        {temp / "gone/a.gyo", "見つかりません"},
        {temp / "folder.gyo", "同じ名前のフォルダがあります"},
        {temp / "file/a.gyo", "途中にフォルダでないものがあります"},
        {temp / (std::string(300, 'n') + ".gyo"), "名前が長すぎます"},
        {std::string("a\0b.gyo", 7), "名前に NUL 文字が含まれています"},
    };
    for (const Case& c : cases) {
        const auto failure = WriteMatrixFile(c.path, Sample());
        ASSERT_TRUE(failure) << c.path;
        EXPECT_EQ(*failure, c.reason) << c.path;
    }
    EXPECT_EQ(FolderEntries(temp.path()), (std::vector<std::string>{"file", "folder.gyo"}));
    EXPECT_EQ(FolderEntries(temp.path() / "folder.gyo"), (std::vector<std::string>{"inside"}));
    EXPECT_EQ(ReadBytes(temp / "file"), (std::vector<std::uint8_t>{5}));
}

TEST(WriteMatrixFile, AReadOnlyFileOrFolderStaysUntouched) {
    if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop the superuser";
    TempFolder temp;
    WriteBytes(temp / "readonly.gyo", {1, 2});
    fs::permissions(temp / "readonly.gyo", fs::perms::owner_read);
    EXPECT_EQ(WriteMatrixFile(temp / "readonly.gyo", Sample()).value_or(""), "アクセスが許可されていません");
    fs::permissions(temp / "readonly.gyo", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadBytes(temp / "readonly.gyo"), (std::vector<std::uint8_t>{1, 2}));

    fs::create_directory(temp.path() / "locked");
    fs::permissions(temp.path() / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(WriteMatrixFile(temp / "locked/a.gyo", Sample()).value_or(""), "アクセスが許可されていません");
    EXPECT_TRUE(FolderEntries(temp.path() / "locked").empty());
}

}  // namespace
}  // namespace selvaris
