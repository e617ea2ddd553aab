#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <limits>

#include "files/form8.h"
#include "files/form9.h"
#include "files/matrix_file_format.h"
#include "support/fake_platform.h"
#include "temp_folder.h"

namespace selvaris {
namespace {

using testing::CurrentFolderGuard;
using testing::FakePlatform;
using testing::ItemIndex;
using testing::TempFolder;
using testing::Encoded;
using testing::WriteBytes;
namespace fs = std::filesystem;

ComplexMatrix Sample() {
    ComplexMatrix m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            m.re(r, c) = 1.0 / (1 + r + 2 * c);
            m.im(r, c) = -0.3 * r + 0.11 * c;
        }
    return m;
}

// The open window shown modally in a temporary current folder. EntryMatrix
// starts with a value no file holds, so a change is always visible.
class OpenWindowFlow : public testing::FileWindowFlow {
protected:
    OpenWindowFlow() {
        registers.EntryMatrix = ComplexMatrix::InitialFinalGate();
        registers.MatrixFileLoaded = true;  // the window must clear it when it loads
    }

    // Clicks fileName in File1 (after running before, if given) and returns whether the window stayed open.
    bool ClickFile(const std::string& fileName, std::function<void()> before = {}) {
        bool leftOpen = false;
        platform.OnShow("Form9", [&](Window& w) {
            if (before) before();
            const int index = ItemIndex(w, "File1", fileName);
            EXPECT_GE(index, 0) << fileName << " is not listed";
            w.ListClick("File1", index);
            leftOpen = !w.IsClosed();
        });
        Form9 window(registers, platform);
        platform.ShowModal(window);
        return leftOpen;
    }
};

TEST(Form9Layout, ControlsAndPlaces) {
    SharedRegisters registers;
    FakePlatform platform;
    Form9 window(registers, platform);
    EXPECT_EQ(window.Caption(), "行列を開く");
    EXPECT_EQ(window.ClientWidth(), 3300);
    EXPECT_EQ(window.ClientHeight(), 4635);
    struct Expected {
        const char* name;
        ControlKind kind;
        int left, top, width, height;
    };
    const Expected controls[] = {
        {"Drive1", ControlKind::DriveList, 120, 120, 3135, 300},
        {"Dir1", ControlKind::FolderList, 120, 480, 3015, 1770},
        {"File1", ControlKind::FileList, 120, 2400, 3015, 1890},
    };
    ASSERT_EQ(window.Controls().size(), std::size(controls));
    for (const Expected& e : controls) {
        const Control& c = window.Get(e.name);
        EXPECT_EQ(c.kind, e.kind) << e.name;
        EXPECT_EQ(c.left, e.left) << e.name;
        EXPECT_EQ(c.top, e.top) << e.name;
        EXPECT_EQ(c.width, e.width) << e.name;
        EXPECT_EQ(c.height, e.height) << e.name;
    }
}

TEST_F(OpenWindowFlow, OneClickLoadsTheFileAndClosesTheWindow) {
    std::vector<std::uint8_t> bytes = Encoded(Sample());
    bytes.resize(400, 0xFF);  // bytes after 256 are not read
    WriteBytes(temp / "good.gyo", bytes);
    EXPECT_FALSE(ClickFile("good.gyo"));
    EXPECT_TRUE(registers.MatrixFileLoaded);
    EXPECT_TRUE(registers.EntryMatrix.BitwiseEquals(Sample()));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.log, (std::vector<std::string>{"show:Form9@0,0", "busy:on", "busy:off", "closed:Form9"}));
}

// A file copied from elsewhere with its extension in capitals is listed and
// opened under its real name, by a click or by Enter on it.
TEST_F(OpenWindowFlow, CapitalExtensionsOpenByClickAndByEnter) {
    WriteBytes(temp / "UPPER.GYO", Encoded(Sample()));
    EXPECT_FALSE(ClickFile("UPPER.GYO"));
    EXPECT_TRUE(registers.EntryMatrix.BitwiseEquals(Sample()));

    registers.EntryMatrix = ComplexMatrix::Identity();
    platform.OnShow("Form9", [](Window& w) { w.SetSelectedIndex("File1", 0), w.PressEnter("File1"); });  // arrow, Enter
    Form9 window(registers, platform);
    platform.ShowModal(window);
    EXPECT_TRUE(registers.EntryMatrix.BitwiseEquals(Sample()));
}

// A file that is no matrix is reported with its path and the reason; nothing is
// taken from it and the window stays open for another choice.
TEST_F(OpenWindowFlow, ABadFileSaysWhyAndChangesNothing) {
    ComplexMatrix withNaN = Sample();
    withNaN.re(3, 1) = std::numeric_limits<double>::quiet_NaN();
    ComplexMatrix withInfinity = Sample();
    withInfinity.im(0, 2) = std::numeric_limits<double>::infinity();
    std::vector<std::uint8_t> shortFile = Encoded(Sample());
    shortFile.resize(200);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool removeAfterListing;
        const char* reason;
    };
    const Case cases[] = {
        {"short.gyo", shortFile, false, "長さが 200 バイトしかなく、256 バイトに足りません"},
        {"empty.gyo", {}, false, "長さが 0 バイトしかなく、256 バイトに足りません"},
        {"nan.gyo", Encoded(withNaN), false, "数でない値（NaN）か無限大が含まれています"},
        {"inf.gyo", Encoded(withInfinity), false, "数でない値（NaN）か無限大が含まれています"},
        {"removed.gyo", Encoded(Sample()), true, "見つかりません"},
    };
    for (const Case& c : cases) {
        WriteBytes(temp / c.name, c.bytes);
        platform.messages.clear();
        platform.log.clear();
        const bool leftOpen = ClickFile(c.name, [&] {
            if (c.removeAfterListing) fs::remove(temp / c.name);
        });
        EXPECT_TRUE(leftOpen) << c.name;
        EXPECT_FALSE(registers.MatrixFileLoaded) << c.name;
        EXPECT_TRUE(registers.EntryMatrix.BitwiseEquals(ComplexMatrix::InitialFinalGate())) << c.name;
        ASSERT_EQ(platform.messages.size(), 1u) << c.name;
        EXPECT_EQ(platform.messages[0].text, temp / c.name + " を開けませんでした（" + c.reason + "）。");
        EXPECT_EQ(platform.messages[0].style, 48);
        EXPECT_EQ(platform.messages[0].title, "メッセージ");
        // The busy pointer is off again before the message is shown.
        EXPECT_FALSE(platform.busy);
        ASSERT_GE(platform.log.size(), 4u);
        EXPECT_EQ(std::vector<std::string>(platform.log.begin() + 1, platform.log.begin() + 4),
                  (std::vector<std::string>{"busy:on", "busy:off", "message:" + platform.messages[0].text}))
            << c.name;
    }
}

TEST_F(OpenWindowFlow, AnUnreadableFileSaysWhy) {
    if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop the superuser";
    WriteBytes(temp / "locked.gyo", Encoded(Sample()));
    fs::permissions(temp / "locked.gyo", fs::perms::none);
    EXPECT_TRUE(ClickFile("locked.gyo"));
    EXPECT_FALSE(registers.MatrixFileLoaded);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, temp / "locked.gyo" + " を開けませんでした（アクセスが許可されていません）。");
}

TEST_F(OpenWindowFlow, AFolderNamedLikeAMatrixFileIsAFolder) {
    fs::create_directory(temp.path() / "x.gyo");
    platform.OnShow("Form9", [](Window& w) {
        EXPECT_EQ(ItemIndex(w, "File1", "x.gyo"), -1);
        EXPECT_GE(ItemIndex(w, "Dir1", "x.gyo"), 0);
    });
    Form9 window(registers, platform);
    platform.ShowModal(window);
    EXPECT_FALSE(registers.MatrixFileLoaded);
}

TEST_F(OpenWindowFlow, TheCloseBoxLoadsNothing) {
    WriteBytes(temp / "good.gyo", Encoded(Sample()));
    Form9 window(registers, platform);
    platform.ShowModal(window);  // no script: the fake closes it by its close box
    EXPECT_FALSE(registers.MatrixFileLoaded);
    EXPECT_TRUE(registers.EntryMatrix.BitwiseEquals(ComplexMatrix::InitialFinalGate()));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OpenWindowFlow, WhatTheSaveWindowWroteOpensBitForBit) {
    ComplexMatrix saved = Sample();
    saved.re(2, 2) = -0.0;
    saved.im(1, 3) = std::numeric_limits<double>::denorm_min();
    saved.re(0, 1) = std::numeric_limits<double>::max();
    registers.EntryMatrix = saved;
    platform.OnShow("Form8", [](Window& w) {
        w.TypeText("Text1", "roundtrip");
        w.Click("Command1");
    });
    Form8 save(registers, platform);
    platform.ShowModal(save);
    registers.EntryMatrix = ComplexMatrix::Identity();

    EXPECT_FALSE(ClickFile("roundtrip.gyo"));
    EXPECT_TRUE(registers.MatrixFileLoaded);
    EXPECT_TRUE(registers.EntryMatrix.BitwiseEquals(saved));
}

}  // namespace
}  // namespace selvaris
