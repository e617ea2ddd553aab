#include <gtest/gtest.h>

#include <random>
#include <string>

#include "export/qasm_writer.h"
#include "export/unitary_scale.h"
#include "files/qasm_matrix.h"
#include "support/matrix_builders.h"
#include "workbench_decomposition.h"

namespace selvaris {
namespace {

// The program's own export, read back by the file reader, is the target over its scale.
TEST(QasmMatrixRoundTrip, AnExportedCircuitReadsBackAsTheTargetOverItsScale) {
    std::mt19937_64 rng(20260314);
    for (int n = 0; n < 200; ++n) {
        ComplexMatrix target = testing::RandomUnitary(rng);
        const double scale = 1 + n % 4;
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 4; ++col) target.re(row, col) *= scale, target.im(row, col) *= scale;
        const Decomposition d = testing::DecomposeLikeWorkbench(target);
        const QasmProgram program = WriteQasm(d);
        ASSERT_TRUE(program.ok()) << n << ": " << program.problems.front();
        const MatrixFileRead read = ReadQasmText(program.text);
        ASSERT_TRUE(read.matrix) << n << ": " << read.failure << "\n" << program.text;
        const double s = UnitaryScale(d.target);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 4; ++col) {
                EXPECT_NEAR(read.matrix->re(row, col), target.re(row, col) / s, 1e-12) << n;
                EXPECT_NEAR(read.matrix->im(row, col), target.im(row, col) / s, 1e-12) << n;
            }
    }
}

}  // namespace
}  // namespace selvaris
