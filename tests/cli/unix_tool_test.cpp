#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "cli/command_line.h"
#include "files/temp_folder.h"

namespace selvaris {
namespace {

namespace fs = std::filesystem;

long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

const std::string kQft = (fs::path(__FILE__).parent_path() / "golden" / "qft.gyo").string();

// Takes room bytes, then fails every write, as a full disk or a closed pipe does.
class FailingBuffer : public std::streambuf {
public:
    explicit FailingBuffer(std::size_t room) : room_(room) {}

protected:
    int overflow(int ch) override { return room_ > 0 && ch != traits_type::eof() ? (--room_, ch) : traits_type::eof(); }

private:
    std::size_t room_;
};

// The exit status of RunCommandLineProcess in a child whose standard output is
// descriptor; -1 when a signal killed it.
int StatusWithStandardOutput(int descriptor, const std::vector<std::string>& args) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(descriptor, STDOUT_FILENO);
        ::close(STDERR_FILENO);
        ::_exit(RunCommandLineProcess(args, {}));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(UnixTool, StandardOutputThatCannotBeWrittenIsAnErrorSaidOnce) {
    testing::TempFolder folder;
    fs::copy(kQft, folder / "a.gyo");
    std::ofstream(folder / "b.gyo") << "short";
    const struct {
        std::vector<std::string> args;
        std::size_t room;
    } rows[] = {
        {{"--help"}, 0},        {{"--version"}, 5},          {{"decompose", kQft}, 0},
        {{"decompose", kQft}, 300}, {{"decompose", kQft, "--json", "-"}, 100}, {{"decompose", "--batch", folder.str()}, 0},
    };
    for (const auto& row : rows) {
        FailingBuffer buffer(row.room);
        std::ostream out(&buffer);
        std::ostringstream err;
        EXPECT_EQ(RunCommandLine(row.args, out, err), kExitFailed) << row.args.back();
        // Said once, and a batch stops at the first row that is lost (b.gyo is never read).
        EXPECT_EQ(err.str().rfind("selvaris: standard output: ", 0), 0u) << err.str();
        EXPECT_EQ(Lines(err.str()), 1) << err.str();
    }

    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    int closedPipe[2];
    ASSERT_EQ(::pipe(closedPipe), 0);
    ::close(closedPipe[0]);
    for (const int descriptor : {full, closedPipe[1]}) {
        if (descriptor < 0) continue;  // no /dev/full here
        EXPECT_EQ(StatusWithStandardOutput(descriptor, {"decompose", kQft}), kExitFailed) << "-1: killed by a signal";
        ::close(descriptor);
    }
}

std::string Unescaped(const std::string& text) {
    std::string name;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char next = text[k] == '\\' ? text[++k] : 0;
        if (next == 'x') name += static_cast<char>(std::stoi(text.substr(k + 1, 2), nullptr, 16)), k += 2;
        else name += next == 't' ? '\t' : next == 'n' ? '\n' : text[k];
    }
    return name;
}

TEST(UnixTool, BatchNamesParseBackIntoRowsOfThreeFields) {
    testing::TempFolder folder;
    const std::set<std::string> names = {
        "a\tb.gyo",        "q\t6\t0\nx.gyo",      "e\x1b[31m.gyo",       "bad\xff.gyo",     "行列.gyo",
        "back\\slash.gyo", "del\x7f.gyo",         "c1\xc2\x9b.gyo",      "cr\r.gyo",        "over\xc0\xaf.gyo",
        "sur\xed\xa0\x80.gyo", "cut\xe8\xa1.gyo", "forged\n.gyo",
    };
    for (const std::string& name : names) fs::copy(kQft, folder / name);
    std::ofstream(folder / "forged\n.gyo", std::ios::trunc) << "short";  // its error line must stay one line

    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine({"decompose", "--batch", folder.str()}, out, err), kExitFailed);
    EXPECT_EQ(Lines(err.str()), 1) << err.str();
    std::set<std::string> parsed;
    std::istringstream rows(out.str());
    for (std::string row; std::getline(rows, row);) {
        for (const char byte : row) EXPECT_FALSE((byte >= 0 && byte < 0x20 && byte != '\t') || byte == 0x7f) << row;
        std::vector<std::string> fields;
        std::istringstream cells(row);
        for (std::string field; std::getline(cells, field, '\t');) fields.push_back(field);
        ASSERT_EQ(fields.size(), 3u) << row;
        EXPECT_EQ(fields[1], Unescaped(fields[0]) == "forged\n.gyo" ? "-" : "6") << row;
        parsed.insert(Unescaped(fields[0]));
    }
    EXPECT_EQ(parsed, names);
}

// Opened without waiting and checked after: a FIFO where a file was expected is
// refused at once. The alarm only ends a run that would otherwise hang.
TEST(UnixTool, AFifoInPlaceOfAFileIsRefusedAtOnce) {
    testing::TempFolder folder;
    testing::CurrentFolderGuard here(folder.path());
    fs::copy(kQft, "qft.gyo");
    fs::create_directory("batch");
    fs::copy(kQft, "batch/b.gyo");
    for (const char* fifo : {"fifo.gyo", "fifo.json", "batch/a.gyo"}) ASSERT_EQ(::mkfifo(fifo, 0600), 0);
    const std::string notRegular = ": 通常のファイルではありません";
    const struct {
        std::vector<std::string> args;
        std::string outStart;
        std::string err;
    } rows[] = {
        {{"fifo.gyo"}, "", "selvaris: target fifo.gyo" + notRegular},
        {{"qft.gyo", "--final", "fifo.gyo"}, "", "selvaris: --final fifo.gyo" + notRegular},
        {{"qft.gyo", "--json", "fifo.json"}, "qft.gyo: 6 steps",
         "selvaris: output fifo.json: 保存できませんでした（通常のファイルではありません）"},
        {{"--batch", "batch"}, "a.gyo\t-\tunreadable\nb.gyo\t6\t", "selvaris: target batch/a.gyo" + notRegular},
    };
    ::alarm(60);
    for (const auto& row : rows) {
        std::vector<std::string> args = {"decompose"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        std::ostringstream out, err;
        EXPECT_EQ(RunCommandLine(args, out, err), kExitFailed) << row.err;
        EXPECT_EQ(out.str().rfind(row.outStart, 0), 0u) << out.str();
        EXPECT_EQ(err.str(), row.err + "\n");
    }
    ::alarm(0);
}

}  // namespace
}  // namespace selvaris
