#pragma once

#include "core/platform.h"
#include "core/shared_registers.h"
#include "files/matrix_file_browser.h"

namespace selvaris {

// The open window "行列を開く": one click on a ".gyo" file loads it into
// EntryMatrix, sets MatrixFileLoaded and closes the window.
class Form9 : public MatrixFileBrowser {
public:
    Form9(SharedRegisters& registers, Platform& platform);

private:
    void OnLoad() override;
    void OnMatrixFileClicked(const std::string& fileName) override;

    SharedRegisters& registers_;
};

}  // namespace selvaris
