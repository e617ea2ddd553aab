#include "circuit/circuit_window.h"

namespace selvaris {

using namespace circuit_window;

std::string CnotCountLine(const Circuit& circuit) {
    return "CNOT " + std::to_string(circuit.cnotCount) + " 個（最小 " + std::to_string(circuit.cnotMinimum) + " 個）";
}

// Wide enough for the QFT's two-level form at the largest UI scale, low enough
// to leave the main window's step browser in sight below it.
CircuitWindow::CircuitWindow(Circuit circuit, Browser browser)
    : Window("CircuitWindow", "回路全体", 12000, 3120), circuit_(std::move(circuit)), browser_(std::move(browser)) {
    AddControl({kTwoLevelFormButton, ControlKind::Button, "2 準位ゲート", 120, 120, 1815, 375, true, true, 0});
    AddControl(
        {kCnotFormButton, ControlKind::Button, "CNOT と 1 量子ビットゲート", 2040, 120, 3015, 375, true, true, 1});
    AddControl({kCnotCountLabel, ControlKind::Label, "", 5280, 180, 6000, 255});
    AddControl({kView, ControlKind::CircuitView, "", 120, 600, 11760, 2400, true, true, 2, "回路図"}).backColour =
        kWhite;
    clickHandlers_ = {
        {kTwoLevelFormButton, [this] { ShowBasis(CircuitBasis::TwoLevel); }},
        {kCnotFormButton, [this] { ShowBasis(CircuitBasis::Cx); }},
    };
}

void CircuitWindow::OnLoad() {
    // A circuit with problems has no gates to show: the first problem says why.
    SetText(kCnotCountLabel, circuit_.ok() ? CnotCountLine(circuit_) : circuit_.problems.front());
    ShowBasis(basis_);
}

void CircuitWindow::OnClick(const std::string& name) {
    const auto handler = clickHandlers_.find(name);
    if (handler != clickHandlers_.end()) handler->second();
}

void CircuitWindow::OnClickAt(const std::string& name, int xTwips, int yTwips) {
    if (name != kView || !browser_.moveTo) return;
    const std::optional<std::size_t> factor = FactorAt(picture_, xTwips, yTwips);
    if (!factor) return;
    browser_.moveTo(*factor);
    Redraw();
}

void CircuitWindow::ShowBasis(CircuitBasis basis) {
    basis_ = basis;
    // The button of the form shown is the one that cannot be chosen.
    SetEnabled(kTwoLevelFormButton, circuit_.ok() && basis != CircuitBasis::TwoLevel);
    SetEnabled(kCnotFormButton, circuit_.ok() && basis != CircuitBasis::Cx);
    Redraw();
}

void CircuitWindow::Redraw() {
    std::optional<std::size_t> highlighted;
    if (browser_.current) highlighted = browser_.current();
    picture_ = LayOutCircuit(circuit_, basis_, highlighted);
    Drawing steps{ClearPrimitive()};
    steps.insert(steps.end(), picture_.drawing.begin(), picture_.drawing.end());
    // The view keeps the highlighted band in sight.
    Mutable(kView).selectedIndex = picture_.bandStep ? static_cast<int>(*picture_.bandStep) : -1;
    Draw(kView, steps);
}

}  // namespace selvaris
