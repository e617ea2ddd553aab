#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "export/exact_number.h"
#include "export/json_writer.h"
#include "export/reconstruction.h"
#include "export/unitary_scale.h"
#include "support/matrix_builders.h"
#include "workbench_decomposition.h"

namespace selvaris {
namespace {

// Just enough JSON to read the export back: objects, arrays, strings without
// escapes, numbers and null (read as NaN).
struct Json {
    double number = std::numeric_limits<double>::quiet_NaN();
    std::string text;
    std::vector<Json> items;
    std::map<std::string, Json> fields;

    const Json& operator[](const std::string& key) const { return fields.at(key); }
};

class JsonReader {
public:
    explicit JsonReader(const std::string& text) : text_(text) {}

    Json Value() {
        Skip();
        Json value;
        const char ch = text_.at(at_);
        if (ch == '{') {
            for (++at_; Next() != '}';) {
                const std::string key = Value().text;
                Expect(':');
                value.fields[key] = Value();
                if (Next() == ',') ++at_;
            }
            ++at_;
        } else if (ch == '[') {
            for (++at_; Next() != ']';) {
                value.items.push_back(Value());
                if (Next() == ',') ++at_;
            }
            ++at_;
        } else if (ch == '"') {
            const std::size_t end = text_.find('"', at_ + 1);
            value.text = text_.substr(at_ + 1, end - at_ - 1);
            at_ = end + 1;
        } else if (text_.compare(at_, 4, "null") == 0) {
            at_ += 4;
        } else {
            const auto [end, error] = std::from_chars(text_.data() + at_, text_.data() + text_.size(), value.number);
            if (error != std::errc()) throw std::runtime_error("number at " + std::to_string(at_));
            at_ = static_cast<std::size_t>(end - text_.data());
        }
        return value;
    }

private:
    void Skip() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
    }
    char Next() {
        Skip();
        return text_.at(at_);
    }
    void Expect(char ch) {
        if (Next() != ch) throw std::runtime_error(std::string("expected ") + ch);
        ++at_;
    }

    const std::string& text_;
    std::size_t at_ = 0;
};

ComplexMatrix MatrixOf(const Json& rows) {
    ComplexMatrix m;
    EXPECT_EQ(rows.items.size(), 4u);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int part = 0; part < 2; ++part) m.v[r][c][part] = rows.items.at(r).items.at(c).items.at(part).number;
    return m;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(JsonExport, EveryNumberAndNameReadsBackBitForBit) {
    std::mt19937_64 rng(5);
    Decomposition d = testing::DecomposeLikeWorkbench(testing::RandomUnitary(rng));
    // Values whose shortest text is awkward: signed zero, subnormal, huge, inexact decimals.
    d.factors.back().re(0, 1) = -0.0;
    d.factors.back().im(0, 1) = std::numeric_limits<double>::denorm_min();
    d.factors.back().re(0, 2) = 1e300;
    d.factors.back().im(0, 2) = 0.1 + 0.2;
    d.factors.back().re(0, 3) = 1e-5;

    const Json json = JsonReader(WriteJson(d)).Value();
    EXPECT_TRUE(MatrixOf(json["target"]).BitwiseEquals(d.target));
    ASSERT_EQ(json["factors"].items.size(), d.factors.size());
    for (std::size_t k = 0; k < d.factors.size(); ++k)
        EXPECT_TRUE(MatrixOf(json["factors"].items[k]).BitwiseEquals(d.factors[k])) << "factor " << k;
    ASSERT_EQ(json["step_names"].items.size(), d.stepNames.size());
    for (std::size_t k = 0; k < d.stepNames.size(); ++k) EXPECT_EQ(json["step_names"].items[k].text, d.stepNames[k]);
    EXPECT_TRUE(SameBits(json["scale"].number, UnitaryScale(d.target)));
    EXPECT_TRUE(SameBits(json["reconstruction_error"].number, ReconstructionError(d)));
}

TEST(NumberText, OpenQasmRealsAlwaysHaveAPointBeforeTheExponent) {
    const struct {
        double value;
        const char* json;
        const char* qasm;
    } cases[] = {
        {1e-5, "1e-05", "1.0e-05"}, {-2.5e-20, "-2.5e-20", "-2.5e-20"}, {0.5, "0.5", "0.5"}, {-3, "-3", "-3"},
    };
    for (const auto& tc : cases) {
        EXPECT_EQ(ExactNumber(tc.value), tc.json);
        EXPECT_EQ(QasmReal(tc.value), tc.qasm);
    }
}

}  // namespace
}  // namespace selvaris
