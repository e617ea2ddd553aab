#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/console_language.h"
#include "core/translation.h"
#include "entry/cell_error.h"
#include "export/export_messages.h"
#include "files/file_messages.h"
#include "files/npy_matrix.h"
#include "files/qasm_matrix.h"
#include "translations/translation_sources.h"
#include "translations/ts_file.h"

namespace selvaris {
namespace {

using namespace translations;

std::string Slots(const std::string& text) {
    std::string found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') found += text[i + 1];
    std::sort(found.begin(), found.end());
    return found;
}

// Every text a window or message shows has a finished English translation
// with the same fills, and the file holds nothing else.
TEST(Translations, TheEnglishFileHasEveryTextAndNothingObsolete) {
    const std::optional<std::vector<TsMessage>> read = ReadTsFile(SELVARIS_TS_FILE);
    ASSERT_TRUE(read.has_value()) << SELVARIS_TS_FILE;
    const std::vector<TsMessage>& file = *read;
    const std::vector<SourceText> sources = TranslationSources();
    for (const SourceText& text : sources) {
        const auto entry = std::find_if(file.begin(), file.end(), [&](const TsMessage& m) {
            return m.context == text.context && m.source == text.source;
        });
        ASSERT_NE(entry, file.end()) << "no translation: [" << text.context << "] " << text.source;
        EXPECT_TRUE(entry->finished && !entry->translation.empty() && !HasJapanese(entry->translation)) << text.source;
        EXPECT_EQ(Slots(entry->translation), Slots(text.source)) << text.source;
    }
    for (const TsMessage& m : file)
        EXPECT_NE(std::find(sources.begin(), sources.end(), SourceText{m.context, m.source}), sources.end())
            << "obsolete: [" << m.context << "] " << m.source;
}

TEST(Translations, TextsAreTranslatedWholeThenLineByLineThenThroughTheirTemplate) {
    const std::map<std::pair<std::string, std::string>, std::string> catalogue = {
        {{"Form1", "最終ゲート"}, "Final gate"},
        {{kMessageContext, "見つかりません"}, "not found"},
        {{kMessageContext, "%1 を開けませんでした（%2）。"}, "Could not open %1 (%2)."},
        {{kMessageContext, "行%1列%2"}, "row %1, column %2"},
    };
    const TextLookup lookup = [&](const std::string& context, const std::string& source) -> std::optional<std::string> {
        const auto found = catalogue.find({context, source});
        return found == catalogue.end() ? std::nullopt : std::optional(found->second);
    };
    const struct {
        const char *context, *text, *english;
    } rows[] = {
        {"Form1", "最終ゲート", "Final gate"},
        {"Form7", "見つかりません", "not found"},  // a message, whatever the window
        {"Form7", "最終ゲート", "最終ゲート"},      // another window's own text
        {"Form1", "行4列1", "row 4, column 1"},
        {"Form1", "a（b）.gyo を開けませんでした（見つかりません）。", "Could not open a（b）.gyo (not found)."},
        {"Form1", "最終ゲート\n行2列3\nq0", "Final gate\nrow 2, column 3\nq0"},
        {"Form1", "行4列", "行4列"},  // a fill may not be empty
        {"Form1", "ステップ 3（la30L）を記録しました。", "ステップ 3（la30L）を記録しました。"},
    };
    for (const auto& row : rows) EXPECT_EQ(TranslateText(row.context, row.text, lookup), row.english) << row.text;
}

TEST(Translations, EnglishFollowsTheFirstUiLanguageOutsideTheCLocale) {
    const struct {
        const char *language, *lcAll, *lang;
        bool english;
    } rows[] = {
        {"en", nullptr, "en_US.UTF-8", true},       {nullptr, nullptr, "en_GB.UTF-8", true},
        {"en_US:ja", nullptr, "ja_JP.UTF-8", true}, {"ja:en", nullptr, "en_US.UTF-8", false},
        {"en", "C.UTF-8", "en_US.UTF-8", false},    {"en", "POSIX", nullptr, false},
        {nullptr, nullptr, nullptr, false},         {nullptr, nullptr, "eo.UTF-8", false},
    };
    for (const auto& row : rows) {
        const std::string messages = MessagesLocale(row.lcAll, nullptr, row.lang);
        EXPECT_EQ(EnglishWanted(FirstUiLanguage(row.language, messages), messages), row.english) << messages;
    }
}

// The messages as their own builders make them read in English, through the
// table the build made of the translation file.
TEST(Translations, EveryKindOfMessageReadsInEnglish) {
    std::vector<std::string> messages = {OverwriteQuestion("m.gyo"),
                                         QasmNotWrittenMessage("c.qasm", {"因子 2（残り）：零行列です。"}, true)};
    for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20})
        messages.push_back(CellErrorMessage(static_cast<CellError>(code), 4, 1));
    for (int e : {ENOENT, EACCES, ENOSPC, EISDIR, ENOTDIR, ENAMETOOLONG, EROFS, EFBIG, EIO, ELOOP, EPIPE})
        messages.push_back(SaveFailedMessage("m.gyo", DescribeFileError(std::error_code(e, std::generic_category()))));
    for (const char* program :
         {"", "OPENQASM 3.0;", "foo q[0];", "h q[0]", "rx(1/0) q[0];", "cx q[0],q[0];", "h q[2];", "h r[0];",
          "rx q[0];", "h q;", "h q[0] $", "measure q[0];", "\"open"})
        messages.push_back(ReadQasmText(std::string(*program ? "OPENQASM 2.0;\nqreg q[2];\n" : "") + program).failure);
    for (const std::string& bytes : {std::string("garbage"), std::string("\x93NUMPY\x03\x00", 8)})
        messages.push_back(ReadNpyBytes(bytes).failure);
    for (const std::string& message : messages)
        EXPECT_FALSE(HasJapanese(EnglishLine(message))) << message << "\n -> " << EnglishLine(message);
    EXPECT_EQ(EnglishLine(CellErrorMessage(CellError::TooLong, 4, 1)),
              "Too many characters. The cell to correct is row 4, column 1. E15");
}

TEST(Translations, TheCommandLineTranslatesWholeLinesAfterTheirPrefix) {
    const struct {
        std::string written, shown;
    } rows[] = {
        {"selvaris: target 行列.gyo: 見つかりません\n", "selvaris: target 行列.gyo: not found\n"},
        {"selvaris: target a.qasm: 3 行目：知らないゲート foo です\n", "selvaris: target a.qasm: line 3: unknown gate foo\n"},
        {"F6 (残", ""},  // half a line waits for its end, even when flushed
        {"り)\n再構成誤差 1.2e-16\n", "F6 (rest)\nReconstruction error 1.2e-16\n"},
        {"qft.gyo\t6\t1e-16\n", "qft.gyo\t6\t1e-16\n"},
    };
    std::ostringstream target;
    EnglishLines english(target);
    std::string expected;
    for (const auto& row : rows) {
        target << row.written << std::flush;
        EXPECT_EQ(target.str(), expected += row.shown) << row.written;
    }
}

}  // namespace
}  // namespace selvaris
