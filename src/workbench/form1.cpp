#include "workbench/form1.h"

#include "circuit/shape_picture.h"
#include "core/colour.h"
#include "core/zero_tests.h"

namespace selvaris {

Form1::Form1(SharedRegisters& registers, Platform& platform)
    : Window("Form1", "Selvaris 1.0", 12480, 6480), registers_(registers), platform_(platform) {
    DeclareControls();
}

std::string Form1::CellLabel(int row, int column) {
    return "la" + std::to_string(row) + std::to_string(column);
}

std::string Form1::GridLabel(bool rightGrid, int row, int column) {
    return std::string(rightGrid ? "g2_" : "g1_") + std::to_string(row) + std::to_string(column);
}

void Form1::OnLoad() {
    state_.Tolerance = kTolerance;
    registers_.TargetIsSet = false;
    state_.StepCount = 0;
    registers_.FinalGateMode = false;
    registers_.FinalGateMatrix = ComplexMatrix::InitialFinalGate();
    for (const char* name : {"Command14", "Command12", "Command10", "Command11", "Command1", "Command7", "Command38",
                             "Command39", "Command6", "Command2", "Command3"})
        SetEnabled(name, false);
}

void Form1::OnClick(const std::string& name) {
    if (name == "Command31")
        SetTarget();
    else if (name == "Command9")  // hidden picture test
        DrawTypedShape(*this, platform_);
}

void Form1::ColourCells() {
    const double t = state_.Tolerance;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const ComplexMatrix& m = registers_.CurrentTarget;
            state_.CellColours[r][c] = IsNonzeroForCell(m.re(r, c), m.im(r, c), t) ? kRed : kBlue;
            SetBackColour(CellLabel(r, c), state_.CellColours[r][c]);
        }
    }
}

void Form1::GreyGateGrids() {
    for (bool right : {false, true})
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) SetBackColour(GridLabel(right, r, c), kLightGrey);
}

}  // namespace selvaris
