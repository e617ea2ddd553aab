#pragma once

#include <string>

#include "core/platform.h"
#include "core/shared_registers.h"
#include "core/window.h"
#include "workbench/workbench_state.h"

namespace selvaris {

// The workbench, the main window "Selvaris 1.0".
class Form1 : public Window {
public:
    Form1(SharedRegisters& registers, Platform& platform);

    WorkbenchState& State() { return state_; }
    const WorkbenchState& State() const { return state_; }

    // "ターゲット行列をセット": enter a matrix, check it and make it the target.
    void SetTarget();

    // Cell label colours from CurrentTarget: red where nonzero, blue where zero.
    void ColourCells();
    // All 32 gate-grid labels light grey.
    void GreyGateGrids();

    static std::string CellLabel(int row, int column);
    static std::string GridLabel(bool rightGrid, int row, int column);

protected:
    void OnLoad() override;
    void OnClick(const std::string& name) override;

private:
    void DeclareControls();

    SharedRegisters& registers_;
    Platform& platform_;
    WorkbenchState state_;
    // The picture box the circuit drawing goes to next.
    std::string drawSurface_ = "Picture2";
};

}  // namespace selvaris
