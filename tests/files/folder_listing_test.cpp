#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "files/folder_listing.h"
#include "temp_folder.h"

namespace selvaris {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

TEST(FolderPaths, JoiningNeverDoublesTheSeparator) {
    struct Case {
        const char* folder;
        const char* name;
        const char* joined;
    };
    const Case cases[] = {
        {"/", "a.gyo", "/a.gyo"},
        {"/tmp", "a.gyo", "/tmp/a.gyo"},
        {"/tmp/x/", "a.gyo", "/tmp/x/a.gyo"},
    };
    for (const Case& c : cases) EXPECT_EQ(JoinPath(c.folder, c.name), c.joined);
    EXPECT_EQ(MatrixFilePath("/", "data1"), "/data1.gyo");
    EXPECT_EQ(MatrixFilePath("/home/u", "data1"), "/home/u/data1.gyo");
    EXPECT_EQ(MatrixFilePath("/home/u", " x "), "/home/u/ x .gyo");  // the name is used as typed
}

TEST(FolderPaths, ParentOfAFolder) {
    struct Case {
        const char* folder;
        const char* parent;
    };
    const Case cases[] = {
        {"/", "/"}, {"/a", "/"}, {"/a/b", "/a"}, {"/a/b/", "/a"}, {"/a/b/c", "/a/b"},
    };
    for (const Case& c : cases) EXPECT_EQ(ParentFolder(c.folder), c.parent) << c.folder;
}

TEST(FolderPaths, MatrixFileNamesAndTheirStems) {
    struct Case {
        const char* name;
        bool isMatrixFile;
        const char* stem;
    };
    const Case cases[] = {
        {"data1.gyo", true, "data1"}, {"a.gyo", true, "a"},       {"x.y.gyo", true, "x.y"},
        {".gyo", false, ""},          {"a.GYO", true, "a"}, {"b.Gyo", true, "b"},      {"a.gyo.bak", false, "a.gyo"},
        {"gyo", false, ""},           {"agyo", false, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsMatrixFileName(c.name), c.isMatrixFile) << c.name;
        EXPECT_EQ(MatrixFileStem(c.name), c.stem) << c.name;
    }
}

TEST(ListFolder, SortsFoldersAndMatrixFilesAndLeavesOutTheRest) {
    TempFolder temp;
    for (const char* file : {"b.gyo", "a.gyo", "B.gyo", "c.txt", "d.GYO", ".hidden.gyo", "e.gyo.bak"})
        testing::WriteBytes(temp / file, {1});
    for (const char* folder : {"zeta", "alpha", ".git", "folder.gyo"}) fs::create_directory(temp.path() / folder);
    fs::create_symlink(temp / "a.gyo", temp / "link.gyo");
    fs::create_symlink(temp / "missing.gyo", temp / "dangling.gyo");

    const FolderListing listing = ListFolder(temp.str());
    ASSERT_TRUE(listing.ok) << listing.failure;
    EXPECT_EQ(listing.contents.folders, (std::vector<std::string>{"alpha", "folder.gyo", "zeta"}));
    EXPECT_EQ(listing.contents.matrixFiles, (std::vector<std::string>{"B.gyo", "a.gyo", "b.gyo", "d.GYO", "link.gyo"}));
}

TEST(ListFolder, AFolderThatCannotBeListedGivesAReasonAndNoEntries) {
    TempFolder temp;
    testing::WriteBytes(temp / "plain.gyo", {1});
    struct Case {
        std::string folder;
        const char* reason;
    };
    const Case cases[] = {
        {temp / "gone", "見つかりません"},
        {temp / "plain.gyo", "途中にフォルダでないものがあります"},
    };
    for (const Case& c : cases) {
        const FolderListing listing = ListFolder(c.folder);
        EXPECT_FALSE(listing.ok) << c.folder;
        EXPECT_EQ(listing.failure, c.reason) << c.folder;
        EXPECT_TRUE(listing.contents.folders.empty() && listing.contents.matrixFiles.empty());
    }
}

TEST(ListFolder, AnUnreadableFolderGivesAReason) {
    if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop the superuser";
    TempFolder temp;
    fs::create_directory(temp.path() / "locked");
    fs::permissions(temp.path() / "locked", fs::perms::none);
    const FolderListing listing = ListFolder(temp / "locked");
    EXPECT_FALSE(listing.ok);
    EXPECT_EQ(listing.failure, "アクセスが許可されていません");
}

TEST(StartFolder, IsTheProcessCurrentFolder) {
    TempFolder temp;
    testing::CurrentFolderGuard guard(temp.path());
    EXPECT_EQ(StartFolder(), fs::current_path().string());
}

}  // namespace
}  // namespace selvaris
