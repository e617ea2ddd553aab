#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "export/circuit.h"
#include "export/exact_number.h"
#include "export/json_writer.h"
#include "export/reconstruction.h"
#include "export/unitary_scale.h"
#include "support/matrix_builders.h"
#include "workbench_decomposition.h"

namespace selvaris {
namespace {

// Every number of a JSON text, in order: enough to read the export back. A
// strict reader (Python's) takes a number without '.', 'e' or 'E' as an
// integer, which loses -0.0 and the type: none may be written so.
std::vector<double> NumbersIn(const std::string& json) {
    std::vector<double> numbers;
    for (std::size_t at = 0; at < json.size();) {
        if (json[at] == '"') {
            at = json.find('"', at + 1) + 1;  // names hold no quotes
        } else if (json[at] == '-' || std::isdigit(static_cast<unsigned char>(json[at]))) {
            double value = 0;
            const auto result = std::from_chars(json.data() + at, json.data() + json.size(), value);
            const std::string token(json.data() + at, result.ptr);
            EXPECT_NE(token.find_first_of(".eE"), std::string::npos) << token << " reads as an integer";
            numbers.push_back(value);
            at = static_cast<std::size_t>(result.ptr - json.data());
        } else {
            ++at;
        }
    }
    return numbers;
}

void Append(std::vector<double>& numbers, const ComplexMatrix& m) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) numbers.insert(numbers.end(), {m.re(r, c), m.im(r, c)});
}

TEST(JsonExport, EveryNumberAndNameReadsBackBitForBit) {
    std::mt19937_64 rng(5);
    Decomposition d = testing::DecomposeLikeWorkbench(testing::RandomUnitary(rng));
    // Values whose shortest text is awkward: signed zero, subnormal, huge, inexact decimals.
    const double awkward[] = {-0.0, std::numeric_limits<double>::denorm_min(), 1e300, 0.1 + 0.2, 1e-5};
    for (int c = 0; c < 5; ++c) d.factors.back().v[c / 2][c % 2 + 2][c % 2] = awkward[c];

    std::vector<double> expected = {UnitaryScale(d.target), ReconstructionError(d)};
    Append(expected, d.target);
    for (const ComplexMatrix& factor : d.factors) Append(expected, factor);

    const std::string json = WriteJson(d);
    const std::vector<double> numbers = NumbersIn(json);
    ASSERT_EQ(numbers.size(), expected.size());
    EXPECT_EQ(std::memcmp(numbers.data(), expected.data(), numbers.size() * sizeof(double)), 0);
    std::string names;
    for (const std::string& name : d.stepNames) names += (names.empty() ? "\"" : ", \"") + name + "\"";
    EXPECT_NE(json.find("\"step_names\": [" + names + "]"), std::string::npos);
}

TEST(JsonExport, AValueJsonCannotHoldIsWrittenAsNull) {
    Decomposition d{ComplexMatrix::Identity(), {ComplexMatrix::Identity()}, {}};
    d.factors[0].im(1, 2) = std::numeric_limits<double>::infinity();
    const std::string json = WriteJson(d);
    EXPECT_NE(json.find("[0.0, null]"), std::string::npos);
    EXPECT_EQ(json.find("inf"), std::string::npos);
}

TEST(NumberText, OpenQasmRealsAlwaysHaveAPointBeforeTheExponentAndJsonFloatsAPoint) {
    const struct {
        double value;
        const char* exact;
        const char* qasm;
        const char* json;
    } cases[] = {
        {1e-5, "1e-05", "1.0e-05", "1e-05"}, {-2.5e-20, "-2.5e-20", "-2.5e-20", "-2.5e-20"},
        {0.5, "0.5", "0.5", "0.5"},          {-3, "-3", "-3", "-3.0"},
        {-0.0, "-0", "-0", "-0.0"},          {1e300, "1e+300", "1.0e+300", "1e+300"},
    };
    for (const auto& tc : cases) {
        EXPECT_EQ(ExactNumber(tc.value), tc.exact);
        EXPECT_EQ(QasmReal(tc.value), tc.qasm);
        EXPECT_EQ(FloatNumber(tc.value), tc.json);
    }
}

// As hypot does: no square of an element may overflow or underflow on the way.
TEST(UnitaryScale, HugeAndTinyMultiplesOfAUnitaryKeepTheirScale) {
    std::mt19937_64 rng(9);
    const ComplexMatrix u = testing::RandomUnitary(rng);
    for (const double s : {1e154, 1e300, 1e-160, 1e-300, 2.0, 0.0, std::numeric_limits<double>::quiet_NaN()}) {
        ComplexMatrix m = u;
        for (auto& row : m.v)
            for (auto& element : row)
                for (double& part : element) part *= s;
        const double scale = UnitaryScale(m);
        EXPECT_TRUE(std::isnan(s) ? std::isnan(scale) : std::fabs(scale - s) <= 1e-13 * s) << s << " " << scale;
    }
    ComplexMatrix huge = ComplexMatrix::Identity();
    for (int k = 0; k < 4; ++k) huge.re(k, k) = 1e154;
    const Decomposition d = testing::DecomposeLikeWorkbench(huge);
    EXPECT_NE(WriteJson(d).find("\"scale\": 1e+154,"), std::string::npos);
    EXPECT_TRUE(BuildCircuit(d).ok());
}

}  // namespace
}  // namespace selvaris
