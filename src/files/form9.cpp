#include "files/form9.h"

#include "files/busy_pointer.h"
#include "files/file_messages.h"
#include "files/folder_listing.h"
#include "files/matrix_file_io.h"

namespace selvaris {

Form9::Form9(SharedRegisters& registers, Platform& platform)
    : MatrixFileBrowser("Form9", "行列を開く", 3300, 4635, platform, {120, 120, 3135, 300}, {120, 480, 3015, 1770},
                        {120, 2400, 3015, 1890}),
      registers_(registers) {}

void Form9::OnLoad() {
    registers_.MatrixFileLoaded = false;
    ShowStartFolder();
}

void Form9::OnMatrixFileClicked(const std::string& fileName) {
    const std::string path = JoinPath(Folder(), fileName);
    MatrixFileRead read;
    {
        BusyPointer busy(platform_);
        read = ReadMatrixFile(path);
    }
    if (!read.matrix) {
        // EntryMatrix keeps its value, so a bad file never half-replaces the matrix.
        ShowMessage(OpenFailedMessage(path, read.failure));
        return;
    }
    registers_.EntryMatrix = *read.matrix;
    registers_.MatrixFileLoaded = true;
    Close();
}

}  // namespace selvaris
