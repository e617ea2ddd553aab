#pragma once

#include "core/platform.h"
#include "core/shared_registers.h"
#include "files/matrix_file_browser.h"

namespace selvaris {

// The save window "行列を保存": writes EntryMatrix to a ".gyo" file named in
// Text1 (without extension) in the folder chosen in the lists.
class Form8 : public MatrixFileBrowser {
public:
    Form8(SharedRegisters& registers, Platform& platform);

private:
    void OnLoad() override;
    void OnClick(const std::string& name) override;
    void OnMatrixFileClicked(const std::string& fileName) override;

    // Saves and closes the window; on a refusal or failure the window stays open.
    void Save();

    SharedRegisters& registers_;
};

}  // namespace selvaris
