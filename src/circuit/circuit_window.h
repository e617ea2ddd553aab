#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>

#include "circuit/circuit_layout.h"
#include "core/window.h"
#include "export/circuit.h"

namespace selvaris {

// The circuit window's controls by their role; the table is in circuit_window.cpp.
namespace circuit_window {
inline constexpr const char* kTwoLevelFormButton = "TwoLevelFormButton";
inline constexpr const char* kCnotFormButton = "CnotFormButton";
inline constexpr const char* kCnotCountLabel = "CnotCountLabel";
inline constexpr const char* kView = "CircuitView";
}  // namespace circuit_window

// "回路全体": the whole decomposition as one circuit, in two-level gates or in
// CNOTs and single-qubit gates. The factor the main window's step browser
// stands on is highlighted; a click on a factor's gates moves the browser there.
class CircuitWindow : public Window {
public:
    // The step browser of the main window: the factor it shows, and a move to another.
    struct Browser {
        std::function<std::size_t()> current;
        std::function<void(std::size_t)> moveTo;
    };

    CircuitWindow(Circuit circuit, Browser browser);

    CircuitBasis Basis() const { return basis_; }
    // What the view shows now, for the tests to find the gates.
    const CircuitPicture& Picture() const { return picture_; }

protected:
    void OnLoad() override;
    void OnClick(const std::string& name) override;
    void OnClickAt(const std::string& name, int xTwips, int yTwips) override;

private:
    void ShowBasis(CircuitBasis basis);
    void Redraw();

    Circuit circuit_;
    Browser browser_;
    CircuitBasis basis_ = CircuitBasis::TwoLevel;
    CircuitPicture picture_;
    std::unordered_map<std::string, std::function<void()>> clickHandlers_;
};

// "CNOT 14 個（最小 2 個）"
std::string CnotCountLine(const Circuit& circuit);

}  // namespace selvaris
