#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "circuit_check.h"
#include "entry/builtin_matrices.h"
#include "export/exact_number.h"
#include "export/qasm3_writer.h"
#include "support/matrix_builders.h"
#include "workbench_decomposition.h"

namespace selvaris {
namespace {

// Each line the writer may write, as qelib1.inc statements of the same matrix
// (3.0's U is u3; stdgates' p and cp are u1 and cu1); any other line throws.
std::string AsQasm2(const std::string& program) {
    const std::string a = R"(([^ ,)]+))", q = R"((q\[\d\]))";
    const std::pair<std::regex, std::string> rules[] = {
        {std::regex("//.*"), "$&"},
        {std::regex(R"(OPENQASM 3\.0;)"), "OPENQASM 2.0;"},
        {std::regex(R"(include "stdgates\.inc";)"), "include \"qelib1.inc\";"},
        {std::regex(R"(qubit\[2\] q;)"), "qreg q[2];"},
        {std::regex("x " + q + ";"), "x $1;"},
        {std::regex(R"(p\()" + a + R"(\) )" + q + ";"), "u1($1) $2;"},
        {std::regex(R"(U\()" + a + ", " + a + ", " + a + R"(\) )" + q + ";"), "u3($1,$2,$3) $4;"},
        {std::regex("cx " + q + ", " + q + ";"), "cu3(3.141592653589793,0,3.141592653589793) $1,$2;"},
        {std::regex(R"(cp\()" + a + R"(\) )" + q + ", " + q + ";"), "cu1($1) $2,$3;"},
        {std::regex(R"(ctrl @ U\()" + a + ", " + a + ", " + a + R"(\) )" + q + ", " + q + ";"), "cu3($1,$2,$3) $4,$5;"},
        {std::regex(R"(gphase\()" + a + R"(\);)"), "u1($1) q[0];\nx q[0];\nu1($1) q[0];\nx q[0];"},
    };
    std::string out;
    std::stringstream in(program);
    for (std::string line; std::getline(in, line);) {
        const auto* rule = std::find_if(std::begin(rules), std::end(rules),
                                        [&](const auto& r) { return std::regex_match(line, r.first); });
        if (rule == std::end(rules)) throw std::runtime_error("statement: " + line);
        out += std::regex_replace(line, rule->first, rule->second) + "\n";
    }
    return out;
}

TEST(Qasm3RoundTrip, TheProgramMultipliedOutIsTheTargetOverItsScaleOrStatesHowFarItIs) {
    ComplexMatrix hh;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) hh.re(r, c) = (r & c) == 1 || (r & c) == 2 ? -0.5 : 0.5;
    std::mt19937_64 rng(20261208);
    using testing::RandomUnitary;
    std::vector<std::pair<std::string, Decomposition>> cases = {
        {"QFT, scale 2", testing::DecomposeLikeWorkbench(QftMatrix())},
        {"H x H", testing::DecomposeLikeWorkbench(hh)},
        {"a global phase left over", testing::DecomposeLikeWorkbench(RandomUnitary(rng), {0, -1}, {0})},
        {"typed with four decimals", testing::DecomposeLikeWorkbench(testing::FourDecimals(RandomUnitary(rng)))},
    };
    cases[2].second.stepNames[0] = "2_3_b\nh q[0];";  // must stay inside its comment
    for (int n = 0; n < 50; ++n)
        cases.emplace_back("random " + std::to_string(n), testing::DecomposeLikeWorkbench(RandomUnitary(rng)));
    for (const auto& [label, d] : cases)
        for (const CircuitBasis basis : {CircuitBasis::TwoLevel, CircuitBasis::Cx}) {
            const Circuit circuit = BuildCircuit(d);
            const std::string program = WriteQasm3(d, basis);
            EXPECT_NEAR(testing::QasmDistanceFromTarget(AsQasm2(program), d.target), circuit.error, 1e-12) << label;
            EXPECT_EQ(program.find("circuit_error = " + ExactNumber(circuit.error) + ",") == std::string::npos,
                      circuit.exact) << label;
        }
    cases[0].second.factors[1].re(0, 0) = std::nan("");
    EXPECT_EQ(WriteQasm3(cases[0].second, CircuitBasis::Cx), "") << "a factor holding NaN has no circuit";
}

}  // namespace
}  // namespace selvaris
