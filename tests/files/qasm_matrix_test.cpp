#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "files/qasm_matrix.h"
#include "temp_folder.h"

namespace selvaris {
namespace {

using C = std::complex<double>;
using M2 = std::array<C, 4>;
using M4 = std::array<std::array<C, 4>, 4>;
const C i{0, 1};
const double r = 1 / std::sqrt(2.0);
const std::string kHead = "OPENQASM 2.0;\nqreg q[2];\n";

// v on qubit target where qubit control (if any) is 1; qubit k is bit k of the state index.
M4 Embedded(const M2& v, int target, int control) {
    M4 g{};
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            if (((row ^ col) & (2 >> target)) == 0) {
                const bool idle = control >= 0 && ((col >> control) & 1) == 0;
                g[row][col] = idle ? C(row == col) : v[2 * ((row >> target) & 1) + ((col >> target) & 1)];
            }
    return g;
}

// Column j holds a 1 in row to[j].
M4 Permutation(const std::array<int, 4>& to) {
    M4 g{};
    for (int j = 0; j < 4; ++j) g[to[j]][j] = 1;
    return g;
}

void ExpectProgram(const std::string& program, const M4& expected) {
    const MatrixFileRead read = ReadQasmText(program);
    ASSERT_TRUE(read.matrix) << program << "\n" << read.failure;
    double worst = 0;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            worst = std::max(worst, std::abs(C(read.matrix->re(row, col), read.matrix->im(row, col)) -
                                             expected[row][col]));
    EXPECT_LT(worst, 1e-12) << program;
}

TEST(QasmGates, EveryGateOnEitherQubitHasItsQelibMatrix) {
    const double c = std::cos(0.3), s = std::sin(0.3);  // of the sample angle 0.6, halved
    const C a = std::polar(1.0, 0.1), b = std::polar(1.0, 0.2), h = std::polar(1.0, 0.3);
    const M2 x = {0, 1, 1, 0}, y = {0, -i, i, 0}, z = {1, 0, 0, -1}, had = {r, r, r, -r};
    const M2 u3 = {c, -b * s, a * s, a * b * c}, phase = {1, 0, 0, a};
    const M2 rx = {c, -i * s, -i * s, c}, ry = {c, -s, s, c}, rz = {std::conj(h), 0, 0, h};
    const struct {
        const char* gate;
        M2 v;
        bool controlled = false;
    } cases[] = {
        {"U(0.6,0.1,0.2)", u3}, {"u(0.6,0.1,0.2)", u3}, {"u3(0.6,0.1,0.2)", u3},
        {"u2(0.1,0.2)", {r, -b * r, a * r, a * b * r}}, {"u1(0.1)", phase}, {"p(0.1)", phase}, {"x", x}, {"y", y},
        {"z", z}, {"h", had}, {"s", {1, 0, 0, i}}, {"sdg", {1, 0, 0, -i}}, {"t", {1, 0, 0, C(r, r)}},
        {"tdg", {1, 0, 0, C(r, -r)}}, {"rx(0.6)", rx}, {"ry(0.6)", ry}, {"rz(0.6)", rz},
        {"sx", {C(.5, .5), C(.5, -.5), C(.5, -.5), C(.5, .5)}}, {"id", {1, 0, 0, 1}}, {"cx", x, true}, {"CX", x, true},
        {"cy", y, true}, {"cz", z, true}, {"ch", had, true}, {"cu1(0.1)", phase, true}, {"cp(0.1)", phase, true},
        {"cu3(0.6,0.1,0.2)", u3, true}, {"crx(0.6)", rx, true}, {"cry(0.6)", ry, true}, {"crz(0.6)", rz, true},
    };
    for (const auto& g : cases)
        for (int t = 0; t < 2; ++t) {
            const std::string target = "q[" + std::to_string(t) + "];";
            const std::string operands = g.controlled ? " q[" + std::to_string(1 - t) + "]," + target : " " + target;
            ExpectProgram(kHead + g.gate + operands, Embedded(g.v, t, g.controlled ? 1 - t : -1));
        }
}

TEST(QasmQubitOrder, Q0IsTheLowBitAndALaterGateActsLater) {
    const struct {
        const char* body;
        std::array<int, 4> to;
    } cases[] = {
        {"x q[0];", {1, 0, 3, 2}},           {"x q[1];", {2, 3, 0, 1}},
        {"cx q[1],q[0];", {0, 1, 3, 2}},     {"cx q[0],q[1];", {0, 3, 2, 1}},
        {"swap q[0],q[1];", {0, 2, 1, 3}},   {"swap q[1],q[0];", {0, 2, 1, 3}},
        {"x q[0]; cx q[0],q[1];", {3, 0, 1, 2}}, {"cx q[0],q[1]; x q[0];", {1, 2, 3, 0}},
    };
    for (const auto& tc : cases) ExpectProgram(kHead + tc.body, Permutation(tc.to));
}

TEST(QasmForms, LayoutsAndDeclarationsThatChangeNothing) {
    const M4 flip = Permutation({1, 0, 3, 2});
    const struct {
        std::string program;
        M4 expected;
    } cases[] = {
        {"OPENQASM 2.0;", Permutation({0, 1, 2, 3})},
        {"OPENQASM 2.0;\ninclude \"qelib1.inc\";\n// a comment\nqreg q[2];\nx q[0]; // flip", flip},
        {"OPENQASM 2.0; qreg r[2]; creg c[2]; barrier r; x r[0]; barrier r[1],r[0];", flip},
        {"\xEF\xBB\xBFOPENQASM 2.0;\r\nqreg q[2];\r\nx() q[0];\r\n", flip},
        {"OPENQASM 2.0;\n  qreg\tq [ 2 ] ;u3\n(pi, 0,pi)q[0]\n;", flip},
    };
    for (const auto& tc : cases) ExpectProgram(tc.program, tc.expected);
}

TEST(QasmExpressions, ParametersFollowTheUsualArithmetic) {
    const double pi = std::numbers::pi;
    const struct {
        std::string expression;
        double value;
    } cases[] = {
        {"pi/2", pi / 2}, {"-pi", -pi}, {"+pi", pi}, {"2^3", 8}, {"2^3^2", 512}, {"-2^2", -4}, {"2^-1", 0.5},
        {"sqrt(2)/2", std::sqrt(2.0) / 2}, {"1e-3", 1e-3}, {"1.5E+2", 150}, {"2.", 2}, {".5", 0.5},
        {"((1+2)*(3-1))/4", 1.5}, {"1-2-3", -4}, {"8/4/2", 1}, {"2*3+4*5", 26}, {"-(-(1))", 1},
        {"sin(pi/6)+cos(0)+tan(0)", 1.5}, {"ln(exp(2))", 2}, {std::string(64, '(') + "3" + std::string(64, ')'), 3},
    };
    for (const auto& tc : cases) {
        // rz gives state 1 the phase e^{i value/2}, which tells a value from its negative.
        const MatrixFileRead read = ReadQasmText(kHead + "rz(" + tc.expression + ") q[0];");
        ASSERT_TRUE(read.matrix) << tc.expression << ": " << read.failure;
        EXPECT_NEAR(read.matrix->re(1, 1), std::cos(tc.value / 2), 1e-12) << tc.expression;
        EXPECT_NEAR(read.matrix->im(1, 1), std::sin(tc.value / 2), 1e-12) << tc.expression;
    }
}

TEST(QasmRefusals, EachRefusalNamesItsLine) {
    const std::string deep = std::string(65, '(') + "1" + std::string(65, ')');
    const struct {
        std::string program;
        const char* failure;
    } cases[] = {
        {"", "1 行目：最初に OPENQASM 2.0; が必要です"},
        {"// none\nqreg q[2];", "2 行目：最初に OPENQASM 2.0; が必要です"},
        {"OPENQASM 3.0;", "1 行目：読めるのは OPENQASM 2.0 だけです"},
        {"OPENQASM 2.0;\ninclude \"other.inc\";", "2 行目：読み込めるのは qelib1.inc だけです"},
        {"OPENQASM 2.0;\ninclude \"qelib1.inc;\n", "2 行目：閉じていない文字列があります"},
        {kHead + "measure q[0] -> c[0];", "3 行目：measure は使えません（測定・リセット・条件は行列になりません）"},
        {kHead + "reset q[1];", "3 行目：reset は使えません（測定・リセット・条件は行列になりません）"},
        {kHead + "creg c[1];\nif(c==1) x q[0];", "4 行目：if は使えません（測定・リセット・条件は行列になりません）"},
        {kHead + "opaque g a;", "3 行目：opaque は使えません（中身のないゲートは行列になりません）"},
        {kHead + "gate g a { x a; }", "3 行目：gate による定義は使えません（qelib1.inc のゲートを使ってください）"},
        {kHead + "\n\nfoo q[0];", "5 行目：知らないゲート foo です"},
        {kHead + "cu3(1,2) q[0],q[1];", "3 行目：cu3 にはパラメーターが 3 個必要です（2 個あります）"},
        {kHead + "x(1) q[0];", "3 行目：x はパラメーターを取りません"},
        {kHead + "cx q[0];", "3 行目：cx には量子ビットが 2 個必要です（1 個あります）"},
        {kHead + "cx q[1],\nq[1];", "3 行目：cx の二つの量子ビットが同じです"},
        {kHead + "x q;", "3 行目：レジスタ全体にはゲートを掛けられません（q[0] のように番号を付けてください）"},
        {kHead + "x q[2];", "3 行目：q[2] は範囲外です（番号は 0 と 1 です）"},
        {"OPENQASM 2.0;\nx q[0];\nqreg q[2];", "2 行目：レジスタ q は宣言されていません"},
        {kHead + "creg c[2];\nx c[0];", "4 行目：c は古典レジスタです"},
        {kHead + "creg q[2];", "3 行目：名前 q は既に使われています"},
        {kHead + "qreg r[2];", "3 行目：量子レジスタは 2 量子ビットのもの一つだけにしてください"},
        {"OPENQASM 2.0;\nqreg q[3];", "2 行目：量子レジスタは 2 量子ビットのもの一つだけにしてください"},
        {kHead + "x q[0]", "3 行目：; が必要です（ファイルが終わっています）"},
        {kHead + "x q[0]\ny q[1];", "4 行目：; が必要です（y があります）"},
        {kHead + "rx(1/(1-1)) q[0];", "3 行目：0 で割っています"},
        {kHead + "rx(ln(0)) q[0];", "3 行目：値が有限になりません"},
        {kHead + "rx(10^400) q[0];", "3 行目：値が有限になりません"},
        {kHead + "rx(1e999) q[0];", "3 行目：数 1e999 は大きすぎるか小さすぎます"},
        {kHead + "rx(2e) q[0];", "3 行目：数 2e の書き方が正しくありません"},
        {kHead + "rx(theta) q[0];", "3 行目：知らない名前 theta です"},
        {kHead + "rx(" + deep + ") q[0];", "3 行目：式の入れ子が深すぎます（64 段まで）"},
        {kHead + "rx(" + std::string(100000, '-') + "1) q[0];", "3 行目：式の入れ子が深すぎます（64 段まで）"},
        {kHead + "x q[0]; @", "3 行目：使えない文字 @ があります"},
        {kHead + "\xE3\x81\x82", "3 行目：使えない文字（0xE3）があります"},
    };
    for (const auto& tc : cases) {
        const MatrixFileRead read = ReadQasmText(tc.program);
        EXPECT_FALSE(read.matrix) << tc.program;
        EXPECT_EQ(read.failure, tc.failure) << tc.program;
    }
}

TEST(QasmFile, AFileReadsAsItsTextUpToTheLimit) {
    testing::TempFolder temp;
    const std::string program = kHead + "x q[1];\n";
    testing::WriteBytes(temp / "a.qasm", {program.begin(), program.end()});
    testing::WriteBytes(temp / "big.qasm", std::vector<std::uint8_t>(kQasmFileLimit + 1, ' '));
    const MatrixFileRead read = ReadQasmFile(temp / "a.qasm");
    ASSERT_TRUE(read.matrix) << read.failure;
    EXPECT_TRUE(read.matrix->BitwiseEquals(*ReadQasmText(program).matrix));
    EXPECT_EQ(ReadQasmFile(temp / "big.qasm").failure, "大きすぎます（1048576 バイトまで）");
}

}  // namespace
}  // namespace selvaris
