#pragma once

#include <string>
#include <vector>

#include "core/platform.h"
#include "core/window.h"

namespace selvaris {

// The drive, folder and file lists that the save and open windows share.
// Drive1 offers the file-system root and the user's home folder and shows the
// one the current folder lies in; choosing the other enters it, choosing the
// one shown changes nothing. Dir1 shows the current folder's path (activating
// it lists the folder again), ".." below any folder but the root, then the
// sub-folders; a click only highlights, activation (a double click, or Enter)
// enters the folder, so the second click of a double click never lands on the
// refilled list. File1 shows the folder's ".gyo" files; what a click on one,
// or Enter on it, does is up to the window.
class MatrixFileBrowser : public Window {
public:
    struct Placement {
        int left, top, width, height;
    };

    // The current folder, an absolute path.
    const std::string& Folder() const { return folder_; }

protected:
    MatrixFileBrowser(std::string formName, std::string caption, int clientWidth, int clientHeight,
                      Platform& platform, Placement drive, Placement folders, Placement files);

    // Fills the lists from the process's current folder; windows call this when they load.
    void ShowStartFolder();

    virtual void OnMatrixFileClicked(const std::string& fileName) = 0;

    void ShowMessage(const std::string& text);

    void OnListClick(const std::string& name, int index) override;
    void OnListActivate(const std::string& name, int index) override;

    Platform& platform_;

private:
    // Lists folder and shows it; a folder that cannot be listed is reported
    // and the lists stay as they were. Folders are taken by value: they often
    // come from folderTargets_, which showing a folder replaces.
    void EnterFolder(std::string folder);
    void ShowFolder(std::string folder, const std::vector<std::string>& subFolders,
                    const std::vector<std::string>& files);

    void ShowDriveOf(const std::string& folder);

    std::string folder_ = "/";
    std::vector<std::string> drives_;  // the folder each Drive1 item leads to
    int shownDrive_ = 0;
    std::vector<std::string> folderTargets_;  // the folder each Dir1 item leads to
};

}  // namespace selvaris
