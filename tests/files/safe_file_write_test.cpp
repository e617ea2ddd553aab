#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>

#include "files/safe_file_write.h"
#include "files/temporary_file.h"
#include "temp_folder.h"

namespace selvaris {
namespace {

using testing::FolderEntries;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

unsigned ModeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0xFFFFu;
}

TEST(SafeFileWrite, TheTemporaryFileIsNeverMoreOpenThanTheFileItReplaces) {
    TempFolder temp;
    struct NoUmask {  // so a file gets exactly the bits it is created with
        mode_t before = ::umask(0);
        ~NoUmask() { ::umask(before); }
    } noUmask;
    for (const unsigned finalMode : {0600u, 0640u, 0644u, 0664u, 0755u}) {
        std::error_code error;
        const auto created = CreateTemporaryFile(temp.str(), TemporaryFileMode(finalMode), error);
        ASSERT_TRUE(created) << error.message();
        struct stat info {};
        ASSERT_EQ(::fstat(created->descriptor, &info), 0);
        ::close(created->descriptor);
        EXPECT_EQ(info.st_mode & 07777 & ~finalMode, 0u) << std::oct << finalMode;
        if (!created->path.empty()) fs::remove(created->path);

        WriteBytes(temp / "kept.gyo", {1});
        fs::permissions(temp / "kept.gyo", static_cast<fs::perms>(finalMode));
        ASSERT_FALSE(ReplaceFileContents(temp / "kept.gyo", "new"));
        EXPECT_EQ(ModeOf(temp / "kept.gyo"), finalMode) << std::oct << finalMode;
        EXPECT_EQ(FolderEntries(temp.path()), std::vector<std::string>{"kept.gyo"});
    }
}

// The file-size limit is per process and its signal would end the test run, so
// the save runs in a child that reports the message through a pipe.
TEST(SafeFileWrite, AWriteStoppedByTheFileSizeLimitIsReportedAndChangesNothing) {
    TempFolder temp;
    const std::vector<std::uint8_t> old{7, 7, 7};
    WriteBytes(temp / "old.gyo", old);
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(pipeEnds[0]);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string message = ReplaceFileContents(temp / "old.gyo", std::string(256, 'x')).value_or("saved");
        const ssize_t written = ::write(pipeEnds[1], message.data(), message.size());
        ::_exit(written == static_cast<ssize_t>(message.size()) ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string message;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) message.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the child was killed by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(message, "ファイルの大きさの上限を超えます");
    EXPECT_EQ(FolderEntries(temp.path()), std::vector<std::string>{"old.gyo"});
    EXPECT_EQ(ReadBytes(temp / "old.gyo"), old);
}

// Syncing the folder after the rename needs it opened for reading; a folder
// that only lets files be written into it must still take the save.
TEST(SafeFileWrite, SavesIntoAFolderThatCannotBeListed) {
    TempFolder temp;
    fs::create_directory(temp.path() / "drop");
    fs::permissions(temp.path() / "drop", fs::perms::owner_write | fs::perms::owner_exec);
    EXPECT_FALSE(ReplaceFileContents(temp / "drop/a.gyo", "abc"));
    fs::permissions(temp.path() / "drop", fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(temp / "drop/a.gyo"), (std::vector<std::uint8_t>{'a', 'b', 'c'}));
    EXPECT_EQ(FolderEntries(temp.path() / "drop"), std::vector<std::string>{"a.gyo"});
}

// A save killed halfway leaves nothing: its file has no name while it is
// written, or, without unnamed files, the next save into the folder removes the
// leftover once its process is gone and it is a minute old.
TEST(SafeFileWrite, AKilledSaveLeavesNoTemporaryFileBehind) {
    for (const bool unnamed : {true, false}) {
        TempFolder temp;
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t killed = ::fork();
        if (killed == 0) {
            std::error_code error;
            const auto file = CreateTemporaryFile(temp.str(), 0600, error, unnamed);
            const char* named = file && file->path.empty() ? "u" : "n";
            if (file && ::write(file->descriptor, "half", 4) == 4 && ::write(ready[1], named, 1) == 1) ::pause();
            ::_exit(1);
        }
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        const std::vector<std::string> whileWriting = FolderEntries(temp.path());
        ::kill(killed, SIGKILL);
        ::waitpid(killed, nullptr, 0);
        ::close(ready[0]);
        ::close(ready[1]);
        EXPECT_EQ(whileWriting.size(), byte == 'n' ? 1u : 0u);  // unnamed where the file system has O_TMPFILE
        EXPECT_TRUE(unnamed || byte == 'n');

        // Kept: a young leftover, one of this live process, and names not ours.
        const std::string dead = std::to_string(killed), alive = std::to_string(::getpid());
        std::vector<std::string> kept = {".selvaris-save-" + dead + "-2.tmp", ".selvaris-save-" + alive + "-3.tmp",
                                         ".selvaris-save-x-4.tmp", "selvaris-save-" + dead + "-5.tmp"};
        for (const std::string& name : kept) WriteBytes(temp / name, {1});
        for (const std::string& name : FolderEntries(temp.path()))
            if (name != kept[0]) fs::last_write_time(temp / name, fs::file_time_type::clock::now() - std::chrono::minutes(5));
        ASSERT_FALSE(ReplaceFileContents(temp / "saved.gyo", "new"));
        kept.push_back("saved.gyo");
        std::sort(kept.begin(), kept.end());
        EXPECT_EQ(FolderEntries(temp.path()), kept) << unnamed;
    }
}

}  // namespace
}  // namespace selvaris
