#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>

#include "circuit/circuit_window.h"
#include "entry/builtin_matrices.h"
#include "export/gate_label.h"
#include "workbench_flow.h"

namespace selvaris {
namespace {

using testing::WorkbenchFlow;
using namespace circuit_window;

const double kH = 1.0 / std::sqrt(2.0);
const Block2 kHadamard{{{kH, kH}, {kH, -kH}}};
const Block2 kNot{{{0.0, 1.0}, {1.0, 0.0}}};
const Block2 kPauliZ{{{1.0, 0.0}, {0.0, -1.0}}};

CircuitGate Gate(const Block2& block, int target, int control = -1, bool open = false) {
    return {block, target, control, open, 0};
}

bool Has(const Drawing& d, PrimitiveKind kind, int x, int y, std::optional<Colour> colour = std::nullopt) {
    for (const DrawPrimitive& p : d)
        if (p.kind == kind && p.x1 == x && p.y1 == y && (!colour || p.colour == *colour)) return true;
    return false;
}

bool HasBoxAround(const Drawing& d, int x, int y) {
    for (const DrawPrimitive& p : d)
        if (p.kind == PrimitiveKind::RectOutline && p.x1 < x && x < p.x2 && p.y1 < y && y < p.y2) return true;
    return false;
}

struct SymbolCase {
    const char* what;
    CircuitGate gate;
    const char* label;
    std::optional<Colour> dot;  // the fill of the control's dot
    bool ring;                  // an outline around it
    bool targetCircle;
};

const SymbolCase kSymbols[] = {
    {"a gate on q1", Gate(kHadamard, 1), "H", std::nullopt, false, false},
    {"a gate on q0", Gate(kPauliZ, 0), "Z", std::nullopt, false, false},
    {"a closed control", Gate(kPauliZ, 0, 1), "Z", kBlack, false, false},
    {"an open control", Gate(kHadamard, 1, 0, true), "H", kWhite, true, false},
    {"a CNOT", Gate(kNot, 1, 0), "X", kBlack, false, true},
    {"an X under an open control keeps its box", Gate(kNot, 0, 1, true), "X", kWhite, true, false},
};

TEST(CircuitLayout, EachGateHasTheSymbolsOfItsKind) {
    for (const SymbolCase& c : kSymbols) {
        SCOPED_TRACE(c.what);
        Circuit circuit;
        circuit.factors.resize(1);
        circuit.twoLevelDrawn = {c.gate};
        const CircuitPicture p = LayOutCircuit(circuit, CircuitBasis::TwoLevel);
        ASSERT_EQ(p.gates.size(), 1u);
        const GateSpot& spot = p.gates[0];
        EXPECT_EQ(spot.label, c.label);
        EXPECT_EQ(spot.y, p.wireY[static_cast<std::size_t>(c.gate.target)]);
        EXPECT_EQ(spot.cnot, c.targetCircle);
        EXPECT_EQ(HasBoxAround(p.drawing, spot.x, spot.y), !c.targetCircle);
        EXPECT_EQ(Has(p.drawing, PrimitiveKind::CircleOutline, spot.x, spot.y), c.targetCircle);
        const int controlY = p.wireY[c.gate.target == 1 ? 0 : 1];
        EXPECT_EQ(Has(p.drawing, PrimitiveKind::FilledCircle, spot.x, controlY, c.dot.value_or(kBlack)),
                  c.dot.has_value());
        EXPECT_EQ(Has(p.drawing, PrimitiveKind::CircleOutline, spot.x, controlY), c.ring);
        EXPECT_EQ(Has(p.drawing, PrimitiveKind::Line, spot.x, controlY), c.dot.has_value());
    }
}

TEST(CircuitWindow, TheCnotLineCountsBothWays) {
    Circuit circuit;
    circuit.cnotCount = 12;
    circuit.cnotMinimum = 3;
    EXPECT_EQ(CnotCountLine(circuit), "CNOT 12 個（最小 3 個）");
}

void DecomposeQft(WorkbenchFlow& wb) {
    for (const char* cell : {"la30", "la20", "la10", "la21", "la31", "la32"})
        if (wb.form.Get(cell).backColour == kRed) wb.Step(cell, 'L');
}

TEST(CircuitWindowFlow, TheButtonIsEnabledWhileAFactorListBelongsToTheTarget) {
    ComplexMatrix notUnitary;
    notUnitary.re(0, 0) = 1.0;
    const struct {
        const char* stage;
        std::function<void(WorkbenchFlow&)> act;
        bool enabled;
    } kStages[] = {
        {"start", [](WorkbenchFlow&) {}, false},
        {"target", [](WorkbenchFlow& wb) { wb.SetTargetMatrix(QftMatrix()); }, false},
        {"steps", DecomposeQft, false},
        {"final gate", [](WorkbenchFlow& wb) { wb.FinalGate("1"); }, true},
        {"refused target", [&](WorkbenchFlow& wb) { wb.SetTargetMatrix(notUnitary); }, true},
        {"new target", [](WorkbenchFlow& wb) { wb.SetTargetMatrix(QftMatrix()); }, false},
    };
    WorkbenchFlow wb;
    for (const auto& stage : kStages) {
        stage.act(wb);
        EXPECT_EQ(wb.Enabled("CircuitButton"), stage.enabled) << stage.stage;
    }
}

// The factor whose columns the highlight band covers.
std::optional<std::size_t> Highlighted(const CircuitPicture& p) {
    if (!p.bandStep) return std::nullopt;
    for (const FactorColumns& f : p.factors)
        if (f.left == p.drawing[*p.bandStep].x1) return f.factor;
    return std::nullopt;
}

struct Decomposed : WorkbenchFlow {
    Decomposed() {
        SetTargetMatrix(QftMatrix());
        DecomposeQft(*this);
        FinalGate("1");
    }
    // The main window's factor browser as "<" and ">" leave it.
    void PageTo(std::size_t k) {
        while (static_cast<std::size_t>(S().BrowseStep) < k) form.Click("Command39");
        while (static_cast<std::size_t>(S().BrowseStep) > k) form.Click("Command38");
    }
};

TEST(CircuitWindowFlow, TheWholeCircuitFollowsAndMovesTheFactorBrowser) {
    Decomposed wb;
    Decomposed paged;
    const Circuit circuit = BuildCircuit(wb.form.CurrentDecomposition());
    wb.platform.OnShow("CircuitWindow", [&](Window& w) {
        auto& window = dynamic_cast<CircuitWindow&>(w);
        EXPECT_EQ(window.Caption(), "回路全体");
        EXPECT_EQ(window.Text(kCnotCountLabel), CnotCountLine(circuit));
        EXPECT_EQ(Highlighted(window.Picture()), 0u);

        const std::size_t empty = 6;  // the QFT's factor 6 is the identity: no gates, still a place
        ASSERT_TRUE(circuit.factors.at(empty).drawn.empty());
        for (const std::size_t k : {std::size_t{4}, empty, std::size_t{1}}) {
            SCOPED_TRACE(k);
            const FactorColumns& columns = window.Picture().factors.at(circuit.factors.size() - 1 - k);
            ASSERT_EQ(columns.factor, k);
            int x = (columns.left + columns.right) / 2, y = window.Picture().wireY[1];
            for (const GateSpot& gate : window.Picture().gates)
                if (gate.factor == k) x = gate.x, y = gate.y;
            window.ClickAt(kView, x, y);
            paged.PageTo(k);
            EXPECT_EQ(wb.S().BrowseStep, static_cast<int>(k));
            for (const char* shownBox : {"Text14", "Label6", "Label7", "t27"})
                EXPECT_EQ(wb.form.Text(shownBox), paged.form.Text(shownBox)) << shownBox;
            EXPECT_EQ(wb.form.Get("Picture2").drawing, paged.form.Get("Picture2").drawing);
            EXPECT_EQ(Highlighted(window.Picture()), k);
        }
        window.ClickAt(kView, 0, 0);  // the margin: nothing moves
        EXPECT_EQ(wb.S().BrowseStep, 1);

        for (const CircuitBasis basis : {CircuitBasis::TwoLevel, CircuitBasis::Cx}) {
            if (basis == CircuitBasis::Cx) window.Click(kCnotFormButton);
            EXPECT_EQ(window.Basis(), basis);
            EXPECT_EQ(window.Get(kTwoLevelFormButton).enabled, basis == CircuitBasis::Cx);
            EXPECT_EQ(window.Get(kCnotFormButton).enabled, basis == CircuitBasis::TwoLevel);
            EXPECT_EQ(window.Text(kCnotCountLabel), CnotCountLine(circuit));
            const std::vector<CircuitGate>& gates = circuit.Drawn(basis);
            ASSERT_EQ(window.Picture().gates.size(), gates.size());
            for (std::size_t i = 0; i < gates.size(); ++i) {
                EXPECT_EQ(window.Picture().gates[i].label, GateLabel(gates[i])) << i;
                EXPECT_EQ(window.Picture().gates[i].cnot, IsCnot(gates[i])) << i;
                EXPECT_EQ(window.Picture().gates[i].factor, gates[i].factor) << i;
                EXPECT_TRUE(i == 0 || window.Picture().gates[i].x > window.Picture().gates[i - 1].x) << i;
            }
            EXPECT_EQ(Highlighted(window.Picture()), 1u);
        }
    });
    wb.form.Click("CircuitButton");
    const std::vector<std::string> opened(wb.platform.log.end() - 2, wb.platform.log.end());
    EXPECT_EQ(opened, (std::vector<std::string>{"show:CircuitWindow@3600,0", "closed:CircuitWindow"}));
}

}  // namespace
}  // namespace selvaris
