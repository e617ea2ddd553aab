#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "export/reconstruction.h"
#include "support/matrix_builders.h"

namespace selvaris {
namespace {

using testing::Make;

TEST(ReconstructionError, ComparesTheProductInListOrderWithTheTarget) {
    const ComplexMatrix id = ComplexMatrix::Identity();
    const ComplexMatrix a = Make({{0, 1, 2, 0}}, id);
    const ComplexMatrix b = Make({{1, 0, 0, 3}}, id);
    ComplexMatrix withNaN = id;
    withNaN.im(2, 2) = std::nan("");
    const struct {
        const char* label;
        std::vector<ComplexMatrix> factors;
        ComplexMatrix target;
        double error;  // NaN: must come out NaN
    } cases[] = {
        {"a x b", {a, b}, ComplexProduct(a, b), 0.0},
        {"b x a is not a x b", {a, b}, ComplexProduct(b, a), 6.0},
        {"no factors: the identity", {}, Make({{3, 3, 1, -0.25}}, id), 0.25},
        {"NaN is not hidden by max", {a, withNaN, b}, ComplexProduct(a, b), std::nan("")},
    };
    for (const auto& tc : cases) {
        const double error = ReconstructionError({tc.target, tc.factors, {}});
        if (std::isnan(tc.error))
            EXPECT_TRUE(std::isnan(error)) << tc.label;
        else
            EXPECT_EQ(error, tc.error) << tc.label;
    }
}

TEST(ReconstructionError, LineShowsTwoSignificantDigits) {
    const struct {
        double error;
        const char* line;
    } cases[] = {
        {0.0, "再構成誤差 0"},
        {3.3306690738754696e-16, "再構成誤差 3.3e-16"},
        {0.5, "再構成誤差 5.0e-01"},
        {std::nan(""), "再構成誤差 nan"},
    };
    for (const auto& tc : cases) EXPECT_EQ(ReconstructionErrorLine(tc.error), tc.line);
}

}  // namespace
}  // namespace selvaris
