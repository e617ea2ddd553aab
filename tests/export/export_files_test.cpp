#include <gtest/gtest.h>

#include <cmath>

#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "export/export_files.h"
#include "export/json_writer.h"
#include "export/qasm_writer.h"
#include "files/file_messages.h"
#include "support/matrix_builders.h"
#include "workbench_decomposition.h"

namespace selvaris {
namespace {

TEST(ExportPaths, TwoFilesBesideEachOtherForTheChosenName) {
    const struct {
        const char* chosen;
        const char* qasm;
        const char* json;
    } cases[] = {
        {"out", "out.qasm", "out.json"},
        {"dir/out.QASM", "dir/out.qasm", "dir/out.json"},
        {"dir/out.json", "dir/out.qasm", "dir/out.json"},
        {"dir/.json", "dir/.json.qasm", "dir/.json.json"},
        {"", "", ""},
    };
    for (const auto& tc : cases) {
        const ExportPaths paths = ExportPathsFor(tc.chosen);
        EXPECT_EQ(paths.qasm, tc.qasm) << tc.chosen;
        EXPECT_EQ(paths.json, tc.json) << tc.chosen;
    }
}

// Records what would be written; fails for one path when told.
struct FakeWriter {
    std::map<std::string, std::string> files;
    std::string failingPath;

    FileWriter Writer() {
        return [this](const std::string& path, const std::string& bytes) -> std::optional<std::string> {
            if (path == failingPath) return "アクセスが許可されていません";
            files[path] = bytes;
            return std::nullopt;
        };
    }
};

TEST(ExportDecomposition, WritesWhatItCanAndSaysWhatItCouldNot) {
    std::mt19937_64 rng(3);
    const ComplexMatrix random = testing::RandomUnitary(rng);
    const Decomposition good = testing::DecomposeLikeWorkbench(random);
    Decomposition broken = good;
    broken.factors[7].re(0, 0) = std::nan("");
    const ExportPaths both{"o.qasm", "o.json"};
    const std::string refused = "o.qasm は書き出しませんでした。次の因子は回路にできません。\n"
                                "因子 7（残り）：有限でない値（NaN や無限大）を含みます。";
    const struct {
        const char* label;
        const Decomposition& d;
        ExportPaths paths;
        std::string failingPath;
        std::vector<std::string> written;
        std::vector<std::string> messages;
    } cases[] = {
        {"both", good, both, "", {"o.json", "o.qasm"}, {}},
        {"json only", good, {"", "o.json"}, "", {"o.json"}, {}},
        {"qasm refused, json still written", broken, both, "", {"o.json"}, {refused + "\nJSON ファイルは書き出しました。"}},
        {"json fails, qasm still written", good, both, "o.json", {"o.qasm"},
         {SaveFailedMessage("o.json", "アクセスが許可されていません")}},
        {"no name", good, {}, "", {}, {EmptyFileNameMessage()}},
    };
    for (const auto& tc : cases) {
        FakeWriter fake;
        fake.failingPath = tc.failingPath;
        const ExportOutcome outcome = ExportDecomposition(tc.d, tc.paths, fake.Writer());
        std::vector<std::string> written;
        for (const auto& [path, bytes] : fake.files) written.push_back(path);
        EXPECT_EQ(written, tc.written) << tc.label;
        EXPECT_EQ(outcome.messages, tc.messages) << tc.label;
        EXPECT_EQ(outcome.jsonWritten, fake.files.count("o.json") == 1) << tc.label;
        EXPECT_EQ(outcome.qasmWritten, fake.files.count("o.qasm") == 1) << tc.label;
        if (fake.files.count("o.qasm")) {
            EXPECT_EQ(fake.files["o.qasm"], WriteQasm(tc.d).text) << tc.label;
        }
        if (fake.files.count("o.json")) {
            EXPECT_EQ(fake.files["o.json"], WriteJson(tc.d)) << tc.label;
        }
    }
}

}  // namespace
}  // namespace selvaris
