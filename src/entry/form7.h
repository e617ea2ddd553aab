#pragma once

#include <string>

#include "core/complex_matrix.h"
#include "core/platform.h"
#include "core/shared_registers.h"
#include "core/window.h"
#include "entry/cell_parser.h"

namespace selvaris {

// The matrix entry window: sixteen cells T00..T33, in target or final-gate mode
// (FinalGateMode). Its unload stores the parsed cells into EntryMatrix or FinalGateMatrix.
class Form7 : public Window {
public:
    Form7(SharedRegisters& registers, Platform& platform);

    // Name of the cell of 0-based row and column: "T12" is row 1, column 2.
    static std::string CellName(int row, int column);

    // EntryMatrix into the cells; an all-zero EntryMatrix becomes the identity first.
    void ShowEntryMatrix();
    void ShowFinalGateMatrix();
    // Parse every cell, down each column, into EntryMatrix / FinalGateMatrix.
    // A refused cell shows its message and is stored with the previous cell's value;
    // a final gate with a refused cell keeps its previous value whole.
    void StoreCellsToEntry();
    void StoreCellsToFinal();
    // "1" on the diagonal, "0" elsewhere; the texts only.
    void ResetCellsToIdentity();

protected:
    void OnLoad() override;
    void OnUnload() override;
    void OnClick(const std::string& name) override;

private:
    void ShowInCells(const ComplexMatrix& matrix);
    void StoreCells(ComplexMatrix& destination);
    void SetBuiltInMatrix(const ComplexMatrix& matrix);
    void OpenMatrixFile();
    void SaveMatrixFile();
    void PlaceFileWindow(Window& window) const;

    SharedRegisters& registers_;
    Platform& platform_;
    CellValues cellValues_;
};

}  // namespace selvaris
