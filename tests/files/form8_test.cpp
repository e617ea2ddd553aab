#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "files/form8.h"
#include "files/matrix_file_format.h"
#include "support/fake_platform.h"
#include "temp_folder.h"

namespace selvaris {
namespace {

using testing::CurrentFolderGuard;
using testing::FakePlatform;
using testing::FolderEntries;
using testing::ItemIndex;
using testing::ReadBytes;
using testing::TempFolder;
using testing::Encoded;
using testing::WriteBytes;
namespace fs = std::filesystem;

const std::string kOverwriteTail = " ファイルは既に存在します。上書きしますか？";

// The save window opened modally in a temporary current folder; the user's
// actions are the script.
class SaveWindowFlow : public testing::FileWindowFlow {
protected:
    SaveWindowFlow() { registers.EntryMatrix = ComplexMatrix::Identity(); }

    // Runs the window with script and returns whether it was still open when the script ended.
    bool Run(FakePlatform::Script script) {
        bool leftOpen = false;
        platform.OnShow("Form8", [&](Window& w) {
            script(w);
            leftOpen = !w.IsClosed();
        });
        Form8 window(registers, platform);
        platform.ShowModal(window);
        return leftOpen;
    }
};

TEST(Form8Layout, ControlsAndPlaces) {
    SharedRegisters registers;
    FakePlatform platform;
    Form8 window(registers, platform);
    EXPECT_EQ(window.Caption(), "行列を保存");
    EXPECT_EQ(window.ClientWidth(), 4440);
    EXPECT_EQ(window.ClientHeight(), 4725);
    struct Expected {
        const char* name;
        ControlKind kind;
        const char* text;
        int left, top, width, height;
        bool visible;
    };
    const Expected controls[] = {
        {"Drive1", ControlKind::DriveList, "", 120, 120, 3015, 300, true},
        {"Dir1", ControlKind::FolderList, "", 120, 480, 3015, 1980, true},
        {"File1", ControlKind::FileList, "", 120, 2520, 3015, 1530, true},
        {"Text1", ControlKind::TextBox, "data1", 120, 4200, 3015, 270, true},
        {"Command1", ControlKind::Button, "保存", 3240, 3960, 975, 615, true},
        {"Command2", ControlKind::Button, "put", 3360, 1800, 855, 375, false},
        {"Command3", ControlKind::Button, "get", 3360, 2280, 855, 375, false},
        {"Command4", ControlKind::Button, "double put", 3360, 840, 855, 375, false},
        {"Command5", ControlKind::Button, "double get", 3360, 1320, 855, 375, false},
        {"Text2", ControlKind::TextBox, "Text2", 3360, 2760, 855, 270, false},
    };
    ASSERT_EQ(window.Controls().size(), std::size(controls));
    for (const Expected& e : controls) {
        const Control& c = window.Get(e.name);
        EXPECT_EQ(c.kind, e.kind) << e.name;
        EXPECT_EQ(c.text, e.text) << e.name;
        EXPECT_EQ(c.left, e.left) << e.name;
        EXPECT_EQ(c.top, e.top) << e.name;
        EXPECT_EQ(c.width, e.width) << e.name;
        EXPECT_EQ(c.height, e.height) << e.name;
        EXPECT_EQ(c.visible, e.visible) << e.name;
        EXPECT_TRUE(c.enabled) << e.name;
    }
}

TEST_F(SaveWindowFlow, SavesTheEntryMatrixAsData1InTheCurrentFolderAndCloses) {
    ComplexMatrix m = ComplexMatrix::Identity();
    m.re(1, 0) = 2.0;
    m.im(1, 0) = 3.0;
    registers.EntryMatrix = m;
    const bool leftOpen = Run([&](Window& w) {
        EXPECT_EQ(w.Get("Dir1").items.at(0), temp.str());
        EXPECT_EQ(w.Get("Drive1").items, (std::vector<std::string>{"/", home.str()}));
        w.Click("Command1");
    });
    EXPECT_FALSE(leftOpen);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ReadBytes(temp / "data1.gyo"), Encoded(m));
    EXPECT_EQ(FolderEntries(temp.path()), std::vector<std::string>{"data1.gyo"});
}

TEST_F(SaveWindowFlow, ListsMatrixFilesAndClickingOneCopiesItsNameWithoutExtension) {
    WriteBytes(temp / "zz.gyo", {1});
    WriteBytes(temp / "my.matrix.gyo", {1});
    WriteBytes(temp / "notes.txt", {1});
    Run([&](Window& w) {
        EXPECT_EQ(w.Get("File1").items, (std::vector<std::string>{"my.matrix.gyo", "zz.gyo"}));
        w.ListClick("File1", 0);
        EXPECT_EQ(w.Text("Text1"), "my.matrix");
        w.ListClick("File1", 1);
        EXPECT_EQ(w.Text("Text1"), "zz");
    });
}

// The question's default button is No, so Enter (the unscripted answer) keeps the old file.
TEST_F(SaveWindowFlow, OverwritingANonEmptyFileAsksFirst) {
    struct Case {
        std::optional<MessageAnswer> answer;  // nothing: Enter on the default button
        bool written;
    };
    for (const Case c : {Case{MessageAnswer::Yes, true}, Case{MessageAnswer::No, false}, Case{std::nullopt, false}}) {
        const std::vector<std::uint8_t> old(300, 0x5A);
        WriteBytes(temp / "data1.gyo", old);
        platform.messages.clear();
        if (c.answer) platform.Answer(*c.answer);
        const bool leftOpen = Run([](Window& w) { w.Click("Command1"); });

        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, temp / "data1.gyo" + kOverwriteTail);
        EXPECT_EQ(platform.messages[0].style, 52 + 256);
        EXPECT_EQ(platform.messages[0].title, "Tormelle");
        EXPECT_EQ(ReadBytes(temp / "data1.gyo"), c.written ? Encoded(registers.EntryMatrix) : old);
        EXPECT_EQ(leftOpen, !c.written);
        EXPECT_EQ(FolderEntries(temp.path()), std::vector<std::string>{"data1.gyo"});
    }
}

TEST_F(SaveWindowFlow, AnsweringNoClearsTheNameAndSavingItThenAsksForOne) {
    WriteBytes(temp / "data1.gyo", {1, 2, 3});
    platform.Answer(MessageAnswer::No);
    const bool leftOpen = Run([](Window& w) {
        w.Click("Command1");
        EXPECT_EQ(w.Text("Text1"), "");
        w.Click("Command1");
    });
    EXPECT_TRUE(leftOpen);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, "ファイル名を入力してください。");
    EXPECT_EQ(platform.messages[1].style, 48);
    EXPECT_EQ(platform.messages[1].title, "メッセージ");
    EXPECT_EQ(FolderEntries(temp.path()), std::vector<std::string>{"data1.gyo"});
    EXPECT_EQ(ReadBytes(temp / "data1.gyo"), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(SaveWindowFlow, AnEmptyFileIsOverwrittenWithoutAsking) {
    WriteBytes(temp / "data1.gyo", {});
    EXPECT_FALSE(Run([](Window& w) { w.Click("Command1"); }));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ReadBytes(temp / "data1.gyo"), Encoded(registers.EntryMatrix));
}

TEST_F(SaveWindowFlow, SavesIntoAFolderChosenInTheFolderList) {
    fs::create_directories(temp.path() / "sub" / "deeper");
    const bool leftOpen = Run([&](Window& w) {
        EXPECT_EQ(w.Get("Dir1").items, (std::vector<std::string>{temp.str(), "..", "sub"}));
        w.ListActivate("Dir1", ItemIndex(w, "Dir1", "sub"));
        EXPECT_EQ(w.Get("Dir1").items, (std::vector<std::string>{temp / "sub", "..", "deeper"}));
        w.ListActivate("Dir1", ItemIndex(w, "Dir1", "deeper"));
        w.ListActivate("Dir1", ItemIndex(w, "Dir1", ".."));
        EXPECT_EQ(w.Get("Dir1").items.at(0), temp / "sub");
        w.TypeText("Text1", "kept");
        w.Click("Command1");
    });
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(ReadBytes(temp / "sub/kept.gyo"), Encoded(registers.EntryMatrix));
}

// Choosing the drive already shown moves nothing; home is a quick way back.
TEST_F(SaveWindowFlow, TheDriveListOffersRootAndHomeAndKeepsTheListsWhenReChosen) {
    fs::create_directory(home.path() / "inner");
    Run([&](Window& w) {
        const auto shownAfter = [&](int drive) {
            w.ListClick("Drive1", drive);
            return std::make_pair(w.Get("Dir1").items.at(0), w.Get("Drive1").selectedIndex);
        };
        EXPECT_EQ(shownAfter(0), std::make_pair(temp.str(), 0));
        EXPECT_EQ(shownAfter(1), std::make_pair(home.str(), 1));
        w.ListActivate("Dir1", ItemIndex(w, "Dir1", "inner"));
        EXPECT_EQ(shownAfter(1), std::make_pair(home / "inner", 1));
        EXPECT_EQ(shownAfter(0), std::make_pair(std::string("/"), 0));
    });
    EXPECT_TRUE(platform.messages.empty());
}

// A click only highlights a folder; activation (a double click, Enter) enters it.
TEST_F(SaveWindowFlow, FoldersAreEnteredOnActivationNotOnAClick) {
    fs::create_directories(temp.path() / "b" / "y");
    Run([&](Window& w) {
        w.ListClick("Dir1", ItemIndex(w, "Dir1", "b"));
        EXPECT_EQ(w.Get("Dir1").items.at(0), temp.str());
        w.ListActivate("Dir1", ItemIndex(w, "Dir1", "b"));
        w.SetSelectedIndex("Dir1", ItemIndex(w, "Dir1", ".."));  // an arrow key
        w.PressEnter("Dir1");
        EXPECT_EQ(w.Get("Dir1").items.at(0), temp.str());
    });
}

// Names neither list would show are refused; a file listed as "UPPER.GYO" is written again under its own name.
TEST_F(SaveWindowFlow, HiddenNamesAreRefusedAndCapitalExtensionsAreKept) {
    for (const std::string name : {".hidden", ".", ".."}) {
        platform.messages.clear();
        EXPECT_TRUE(Run([&](Window& w) { w.TypeText("Text1", name), w.PressEnter("Text1"); })) << name;
        ASSERT_EQ(platform.messages.size(), 1u) << name;
        EXPECT_EQ(platform.messages[0].text,
                  temp / (name + ".gyo") + " に保存できませんでした（「.」で始まる名前は一覧に表示されないので使えません）。");
        EXPECT_TRUE(FolderEntries(temp.path()).empty()) << name;
    }
    WriteBytes(temp / "UPPER.GYO", std::vector<std::uint8_t>(256, 7));
    platform.Answer(MessageAnswer::Yes);
    EXPECT_FALSE(Run([](Window& w) { w.ListActivate("File1", 0), w.PressEnter("Text1"); }));
    EXPECT_EQ(platform.messages.back().text, temp / "UPPER.GYO" + kOverwriteTail);
    EXPECT_EQ(FolderEntries(temp.path()), std::vector<std::string>{"UPPER.GYO"});
    EXPECT_EQ(ReadBytes(temp / "UPPER.GYO"), Encoded(registers.EntryMatrix));
}

// Every failure names the path and the reason, keeps the window open and writes nothing.
TEST_F(SaveWindowFlow, AFailedSaveSaysWhyAndWritesNothing) {
    struct Case {
        const char* label;
        const char* enterFolder;  // chosen in Dir1 before typing the name, or ""
        bool removeEnteredFolder;
        std::string name;
        std::string path;
        const char* reason;
    };
    const std::string gone = temp / "gone";
    const std::string tooLong(300, 'n');
    const std::string slashOrNul = "ファイル名に「/」や NUL 文字は使えません";
    const Case cases[] = {
        {"folder removed after listing", "gone", true, "data1", gone + "/data1.gyo", "見つかりません"},
        {"name of a folder", "", false, "box", temp / "box.gyo", "同じ名前のフォルダがあります"},
        {"name with a slash", "", false, "sub/x", temp / "sub/x.gyo", slashOrNul.c_str()},
        {"name with a NUL", "", false, std::string("a\0b", 3), temp / "a\\0b.gyo", slashOrNul.c_str()},
        {"name too long", "", false, tooLong, temp / (tooLong + ".gyo"), "名前が長すぎます"},
    };
    for (const Case& c : cases) {
        fs::create_directory(gone);
        fs::create_directory(temp.path() / "box.gyo");
        fs::create_directory(temp.path() / "sub");
        const std::vector<std::string> before = FolderEntries(temp.path());
        platform.messages.clear();
        const bool leftOpen = Run([&](Window& w) {
            if (*c.enterFolder) w.ListActivate("Dir1", ItemIndex(w, "Dir1", c.enterFolder));
            if (c.removeEnteredFolder) fs::remove(gone);
            w.TypeText("Text1", c.name);
            w.Click("Command1");
        });
        EXPECT_TRUE(leftOpen) << c.label;
        ASSERT_EQ(platform.messages.size(), 1u) << c.label;
        EXPECT_EQ(platform.messages[0].text, c.path + " に保存できませんでした（" + c.reason + "）。") << c.label;
        EXPECT_EQ(platform.messages[0].style, 48);
        EXPECT_EQ(platform.messages[0].title, "メッセージ");
        fs::create_directory(gone);
        EXPECT_EQ(FolderEntries(temp.path()), before) << c.label;
        EXPECT_TRUE(FolderEntries(temp.path() / "sub").empty()) << c.label;
        EXPECT_TRUE(FolderEntries(gone).empty()) << c.label;
    }
}

TEST_F(SaveWindowFlow, AReadOnlyFolderIsReportedAndNothingWritten) {
    if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop the superuser";
    fs::create_directory(temp.path() / "locked");
    fs::permissions(temp.path() / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    const bool leftOpen = Run([](Window& w) {
        w.ListActivate("Dir1", ItemIndex(w, "Dir1", "locked"));
        w.Click("Command1");
    });
    EXPECT_TRUE(leftOpen);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, temp / "locked/data1.gyo" + " に保存できませんでした（アクセスが許可されていません）。");
    EXPECT_TRUE(FolderEntries(temp.path() / "locked").empty());
}

TEST_F(SaveWindowFlow, AFolderThatVanishedIsReportedAndTheListsStay) {
    fs::create_directory(temp.path() / "gone");
    WriteBytes(temp / "here.gyo", {1});
    Run([&](Window& w) {
        fs::remove(temp.path() / "gone");
        w.ListActivate("Dir1", ItemIndex(w, "Dir1", "gone"));
        EXPECT_EQ(w.Get("Dir1").items, (std::vector<std::string>{temp.str(), "..", "gone"}));
        EXPECT_EQ(w.Get("File1").items, std::vector<std::string>{"here.gyo"});
    });
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, temp / "gone" + " を開けませんでした（見つかりません）。");
    EXPECT_EQ(platform.messages[0].style, 48);
}

}  // namespace
}  // namespace selvaris
