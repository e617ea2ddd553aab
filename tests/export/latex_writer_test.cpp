#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>

#include "entry/builtin_matrices.h"
#include "export/gate_label.h"
#include "export/latex_writer.h"
#include "files/temp_folder.h"
#include "support/matrix_builders.h"
#include "workbench_decomposition.h"

namespace selvaris {
namespace {

long Count(const std::string& text, const std::string& what) {
    long n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(LatexWriter, TwoRowsWithOneColumnPerGateAndEveryControlOnItsRowPointingAtTheOther) {
    std::mt19937_64 rng(11);
    for (const Decomposition& d : {testing::DecomposeLikeWorkbench(QftMatrix()),
                                   testing::DecomposeLikeWorkbench(testing::FourDecimals(testing::RandomUnitary(rng)))})
        for (const CircuitBasis basis : {CircuitBasis::TwoLevel, CircuitBasis::Cx}) {
            const std::string document = WriteLatex(d, basis);
            const Circuit circuit = BuildCircuit(d);
            const auto& gates = circuit.Drawn(basis);
            const auto gatesWhere = [&](auto pick) { return std::count_if(gates.begin(), gates.end(), pick); };
            const std::string begin = "\\documentclass[border=4pt]{standalone}\n\\usepackage{tikz}\n\\usetikzlibrary{"
                                      "quantikz}\n\\begin{document}\n" + std::string(kLatexCircuitBegin) +
                                      "\n\\begin{quantikz}\n\\lstick{$q_1$}";
            ASSERT_EQ(Count(document, begin), 1) << "no preamble or no environment";
            const std::size_t top = document.find(begin) + begin.size();
            const std::size_t bottom = document.find(" \\\\\n\\lstick{$q_0$}");
            const std::size_t end = document.find("\n\\end{quantikz}\n" + std::string(kLatexCircuitEnd) + "\n\\end{");
            ASSERT_TRUE(document.starts_with("% ") && top < bottom && bottom < end && end != std::string::npos);
            const std::string upper = document.substr(top, bottom - top), lower = document.substr(bottom, end - bottom);
            EXPECT_EQ(Count(upper, " & "), static_cast<long>(gates.size()) + 1);
            EXPECT_EQ(Count(lower, " & "), static_cast<long>(gates.size()) + 1);
            EXPECT_EQ(Count(upper, "ctrl{1}"), gatesWhere([](auto& g) { return g.control == 1; }));
            EXPECT_EQ(Count(lower, "ctrl{-1}"), gatesWhere([](auto& g) { return g.control == 0; }));
            EXPECT_EQ(Count(document, "ctrl{"), gatesWhere([](auto& g) { return g.control >= 0; }));
            EXPECT_EQ(Count(document, "\\octrl{"), gatesWhere([](auto& g) { return g.openControl; }));
            EXPECT_EQ(Count(document, "\\targ{}"), gatesWhere(IsCnot));
            EXPECT_EQ(Count(document, "circuit_error = "), circuit.exact ? 0 : 1);
            EXPECT_TRUE(std::all_of(document.begin(), document.end(), [](char c) { return c > 0; })) << "not ASCII";
        }
}

TEST(LatexWriter, PdflatexCompilesTheQftPresetInBothForms) {
    if (std::system("command -v pdflatex >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdflatex is not installed";
    testing::TempFolder folder;
    std::string quoted = "'";
    for (const char c : folder.str()) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    const Decomposition qft = testing::DecomposeLikeWorkbench(QftMatrix());
    for (const auto& [name, basis] : {std::pair{"cx", CircuitBasis::Cx}, std::pair{"two", CircuitBasis::TwoLevel}}) {
        std::ofstream(folder / (std::string(name) + ".tex")) << WriteLatex(qft, basis);
        const std::string command = "cd " + quoted + "' && pdflatex -interaction=nonstopmode -halt-on-error " + name;
        EXPECT_EQ(std::system((command + ".tex >/dev/null 2>&1").c_str()), 0) << name;
        EXPECT_TRUE(std::filesystem::is_regular_file(folder / (std::string(name) + ".pdf"))) << name;
    }
}

}  // namespace
}  // namespace selvaris
