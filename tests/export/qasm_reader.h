#pragma once

#include <array>
#include <charconv>
#include <cmath>
#include <complex>
#include <numbers>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace selvaris::testing {

using Complex = std::complex<double>;
using Unitary4 = std::array<std::array<Complex, 4>, 4>;
using Unitary2 = std::array<std::array<Complex, 2>, 2>;

// u3 as the common circuit libraries read qelib1.inc.
inline Unitary2 U3(double theta, double phi, double lambda) {
    const double c = std::cos(theta / 2), s = std::sin(theta / 2);
    return {{{c, -std::polar(1.0, lambda) * s}, {std::polar(1.0, phi) * s, std::polar(1.0, phi + lambda) * c}}};
}

inline int Bit(int state, int qubit) { return (state >> qubit) & 1; }

// The 4x4 matrix of v on one qubit, or (with control >= 0) applied where control is 1.
inline Unitary4 Embed(const Unitary2& v, int target, int control) {
    Unitary4 g{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            const int other = 1 - target;
            if (Bit(i, other) != Bit(j, other)) continue;
            if (control >= 0 && Bit(i, control) == 0)
                g[i][j] = i == j ? 1.0 : 0.0;
            else
                g[i][j] = v[Bit(i, target)][Bit(j, target)];
        }
    return g;
}

inline Unitary4 Times(const Unitary4& a, const Unitary4& b) {
    Unitary4 p{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            for (int k = 0; k < 4; ++k) p[i][j] += a[i][k] * b[k][j];
    return p;
}

inline std::vector<double> Angles(const std::string& list) {
    std::vector<double> angles;
    std::stringstream in(list);
    for (std::string item; std::getline(in, item, ',');) {
        double value = 0;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (error != std::errc() || end != item.data() + item.size()) throw std::runtime_error("angle " + item);
        angles.push_back(value);
    }
    return angles;
}

// Multiplies out a program of exactly the subset the exporter writes, with
// q[0] the low-order bit of the state index; anything else throws.
inline Unitary4 ReadQasmUnitary(const std::string& program) {
    static const std::regex kGate(R"((x|u1|u3|cu1|cu3|cx)(?:\(([^)]*)\))? q\[([01])\](?:,q\[([01])\])?;)");
    const std::vector<std::string> kPreamble = {"OPENQASM 2.0;", "include \"qelib1.inc\";", "qreg q[2];"};
    Unitary4 u = Embed(U3(0, 0, 0), 0, -1);
    std::size_t preamble = 0;
    std::stringstream in(program);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("//", 0) == 0) continue;
        if (preamble < kPreamble.size()) {
            if (line != kPreamble[preamble++]) throw std::runtime_error("preamble: " + line);
            continue;
        }
        std::smatch m;
        if (!std::regex_match(line, m, kGate)) throw std::runtime_error("statement: " + line);
        const std::string name = m[1];
        const std::vector<double> a = m[2].matched ? Angles(m[2]) : std::vector<double>{};
        const bool controlled = name[0] == 'c';
        const std::size_t wantAngles = name == "x" || name == "cx" ? 0 : name.back() == '1' ? 1 : 3;
        if (a.size() != wantAngles || m[4].matched != controlled || (controlled && m[3] == m[4]))
            throw std::runtime_error("arguments: " + line);
        // qelib1.inc: x = u3(pi,0,pi), u1(l) = u3(0,0,l).
        const Unitary2 v = name == "x" || name == "cx" ? U3(std::numbers::pi, 0, std::numbers::pi)
                           : wantAngles == 1 ? U3(0, 0, a[0])
                                             : U3(a[0], a[1], a[2]);
        const int first = std::stoi(m[3]);
        u = Times(controlled ? Embed(v, std::stoi(m[4]), first) : Embed(v, first, -1), u);
    }
    if (preamble < kPreamble.size()) throw std::runtime_error("no preamble");
    return u;
}

}  // namespace selvaris::testing
