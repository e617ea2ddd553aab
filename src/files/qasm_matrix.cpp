#include "files/qasm_matrix.h"

#include <array>
#include <complex>
#include <set>
#include <utility>

#include "files/bounded_file_read.h"
#include "files/qasm_gates.h"
#include "files/qasm_lexer.h"

namespace selvaris {
namespace {

using Unitary = std::array<std::array<std::complex<double>, 4>, 4>;
using Kind = QasmTokenKind;

constexpr const char* kOneRegister = "量子レジスタは 2 量子ビットのもの一つだけにしてください";

// u becomes gate x u: a later gate acts later. Qubit k is bit k of the state
// index, so a one-qubit gate mixes the rows that differ in that bit only.
void Apply(Unitary& u, const QasmGate& gate, const double* parameters, const std::array<int, 2>& qubits) {
    if (gate.shape == QasmGateShape::Swap) {
        std::swap(u[1], u[2]);
        return;
    }
    const QasmQubitMatrix v = gate.matrix(parameters);
    const bool controlled = gate.shape == QasmGateShape::Controlled;
    const int target = controlled ? qubits[1] : qubits[0];
    for (int i = 0; i < 4; ++i) {
        if (((i >> target) & 1) != 0 || (controlled && ((i >> qubits[0]) & 1) == 0)) continue;
        const int j = i | (1 << target);
        for (int c = 0; c < 4; ++c) {
            const std::complex<double> a = u[i][c], b = u[j][c];
            u[i][c] = v[0] * a + v[1] * b;
            u[j][c] = v[2] * a + v[3] * b;
        }
    }
}

class Reader {
public:
    explicit Reader(std::string_view text) : lexer_(text) {
        for (int k = 0; k < 4; ++k) u_[k][k] = 1;
    }

    MatrixFileRead Run() {
        MatrixFileRead result;
        bool ok = Header();
        while (ok && lexer_.Peek().kind != Kind::End) ok = Statement();
        if (!ok) {
            result.failure = std::move(failure_);
            return result;
        }
        ComplexMatrix m;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) {
                m.re(r, c) = u_[r][c].real();
                m.im(r, c) = u_[r][c].imag();
            }
        result.matrix = m;
        return result;
    }

private:
    bool Header() {
        const QasmToken first = lexer_.Next();
        if (!first.IsName("OPENQASM")) return Fail(first, "最初に OPENQASM 2.0; が必要です");
        const QasmToken version = lexer_.Next();
        if (version.kind != Kind::Number || version.text != "2.0") return Fail(version, "読めるのは OPENQASM 2.0 だけです");
        return Expect(';');
    }

    bool Statement() {
        const QasmToken word = lexer_.Next();
        if (word.kind != Kind::Name) return Fail(word, QasmUnexpected(word, "文"));
        const std::string_view w = word.text;
        if (w == "include") return Include();
        if (w == "qreg") return Qreg(word);
        if (w == "creg") return Creg();
        // It only orders the work of a device; the matrix is the same without it.
        if (w == "barrier") return Operands(true).has_value();
        if (w == "measure" || w == "reset" || w == "if")
            return Fail(word, std::string(w) + " は使えません（測定・リセット・条件は行列になりません）");
        if (w == "opaque") return Fail(word, "opaque は使えません（中身のないゲートは行列になりません）");
        if (w == "gate") return Fail(word, "gate による定義は使えません（qelib1.inc のゲートを使ってください）");
        if (w == "OPENQASM") return Fail(word, "OPENQASM 2.0; は最初に一度だけ書きます");
        return Gate(word);
    }

    bool Include() {
        const QasmToken file = lexer_.Next();
        if (file.kind != Kind::String) return Fail(file, QasmUnexpected(file, "ファイル名"));
        if (file.text != "\"qelib1.inc\"") return Fail(file, "読み込めるのは qelib1.inc だけです");
        return Expect(';');
    }

    bool Qreg(const QasmToken& word) {
        const std::optional<std::pair<QasmToken, std::size_t>> declared = Declaration();
        if (!declared) return false;
        if (!qreg_.empty() || declared->second != 2) return Fail(word, kOneRegister);
        if (cregs_.count(declared->first.text)) return Taken(declared->first);
        qreg_ = declared->first.text;
        return true;
    }

    bool Creg() {
        const std::optional<std::pair<QasmToken, std::size_t>> declared = Declaration();
        if (!declared) return false;
        if (declared->first.text == qreg_ || !cregs_.insert(declared->first.text).second) return Taken(declared->first);
        return true;
    }

    // NAME[size]; after qreg or creg.
    std::optional<std::pair<QasmToken, std::size_t>> Declaration() {
        const QasmToken name = lexer_.Next();
        if (name.kind != Kind::Name) return Refuse(name, QasmUnexpected(name, "レジスタの名前"));
        if (!Expect('[')) return std::nullopt;
        const QasmToken size = lexer_.Next();
        const std::optional<std::size_t> value = QasmInteger(size);
        if (!value) return Refuse(size, QasmUnexpected(size, "整数"));
        if (!Expect(']') || !Expect(';')) return std::nullopt;
        return std::pair(name, *value);
    }

    bool Gate(const QasmToken& word) {
        const QasmGate* gate = FindQasmGate(word.text);
        const std::string name = QasmShown(word);
        if (!gate) return Fail(word, "知らないゲート " + name + " です");
        double parameters[3] = {};
        std::size_t count = 0;
        if (lexer_.Peek().Is('(')) {
            lexer_.Next();
            while (!lexer_.Peek().Is(')') && (count == 0 || lexer_.Peek().Is(','))) {
                if (count > 0) lexer_.Next();
                const std::optional<double> value = ParseQasmExpression(lexer_, failure_);
                if (!value) return false;
                if (count < 3) parameters[count] = *value;
                ++count;
            }
            if (!Expect(')')) return false;
        }
        if (count != static_cast<std::size_t>(gate->parameters))
            return Fail(word, gate->parameters == 0 ? name + " はパラメーターを取りません"
                                                    : name + " にはパラメーターが " + std::to_string(gate->parameters) +
                                                          " 個必要です（" + std::to_string(count) + " 個あります）");
        const std::optional<std::pair<std::array<int, 2>, std::size_t>> operands = Operands(false);
        if (!operands) return false;
        const auto& [qubits, given] = *operands;
        if (given != static_cast<std::size_t>(gate->qubits()))
            return Fail(word, name + " には量子ビットが " + std::to_string(gate->qubits()) + " 個必要です（" +
                                  std::to_string(given) + " 個あります）");
        if (given == 2 && qubits[0] == qubits[1]) return Fail(word, name + " の二つの量子ビットが同じです");
        Apply(u_, *gate, parameters, qubits);
        return true;
    }

    // A list of qubits up to the ";": the first two (-1 for a whole register,
    // which only a barrier may name) and how many there are.
    std::optional<std::pair<std::array<int, 2>, std::size_t>> Operands(bool wholeRegister) {
        std::array<int, 2> qubits{};
        std::size_t count = 0;
        do {
            if (count > 0) lexer_.Next();
            const std::optional<int> qubit = Operand(wholeRegister);
            if (!qubit) return std::nullopt;
            if (count < 2) qubits[count] = *qubit;
            ++count;
        } while (lexer_.Peek().Is(','));
        if (!Expect(';')) return std::nullopt;
        return std::pair(qubits, count);
    }

    std::optional<int> Operand(bool wholeRegister) {
        const QasmToken name = lexer_.Next();
        if (name.kind != Kind::Name) return Refuse(name, QasmUnexpected(name, "量子ビット"));
        if (name.text != qreg_)
            return Refuse(name, cregs_.count(name.text) ? QasmShown(name) + " は古典レジスタです"
                                                      : "レジスタ " + QasmShown(name) + " は宣言されていません");
        if (!lexer_.Peek().Is('[')) {
            if (wholeRegister) return -1;
            return Refuse(name, "レジスタ全体にはゲートを掛けられません（" + QasmShown(name) + "[0] のように番号を付けてください）");
        }
        lexer_.Next();
        const QasmToken index = lexer_.Next();
        const std::optional<std::size_t> value = QasmInteger(index);
        if (!value) return Refuse(index, QasmUnexpected(index, "整数"));
        if (*value > 1)
            return Refuse(index, QasmShown(name) + "[" + QasmShown(index) + "] は範囲外です（番号は 0 と 1 です）");
        if (!Expect(']')) return std::nullopt;
        return static_cast<int>(*value);
    }

    bool Expect(char symbol) {
        const QasmToken token = lexer_.Next();
        return token.Is(symbol) || Fail(token, QasmUnexpected(token, std::string(1, symbol)));
    }

    bool Taken(const QasmToken& name) { return Fail(name, "名前 " + QasmShown(name) + " は既に使われています"); }

    bool Fail(const QasmToken& at, const std::string& reason) {
        failure_ = QasmFailure(at.line, reason);
        return false;
    }

    std::nullopt_t Refuse(const QasmToken& at, const std::string& reason) {
        Fail(at, reason);
        return std::nullopt;
    }

    QasmLexer lexer_;
    std::string failure_;
    Unitary u_{};
    std::string_view qreg_;
    std::set<std::string_view> cregs_;
};

}  // namespace

MatrixFileRead ReadQasmText(std::string_view text) {
    // Editors on some systems start a UTF-8 file with a byte order mark.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return Reader(text).Run();
}

MatrixFileRead ReadQasmFile(const std::string& path) {
    FileBytes file = ReadRegularFile(path, kQasmFileLimit);
    if (!file.bytes) {
        MatrixFileRead result;
        result.failure = std::move(file.failure);
        return result;
    }
    return ReadQasmText(*file.bytes);
}

}  // namespace selvaris
