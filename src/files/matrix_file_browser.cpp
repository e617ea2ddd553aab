#include "files/matrix_file_browser.h"

#include "files/file_messages.h"
#include "files/folder_listing.h"

namespace selvaris {

namespace {

const std::string kRoot = "/";

}  // namespace

MatrixFileBrowser::MatrixFileBrowser(std::string formName, std::string caption, int clientWidth, int clientHeight,
                                     Platform& platform, Placement drive, Placement folders, Placement files)
    : Window(std::move(formName), std::move(caption), clientWidth, clientHeight), platform_(platform) {
    AddControl({"Drive1", ControlKind::DriveList, "", drive.left, drive.top, drive.width, drive.height, true, true, 0,
                "ドライブ"});
    AddControl({"Dir1", ControlKind::FolderList, "", folders.left, folders.top, folders.width, folders.height, true,
                true, 1, "フォルダ"});
    AddControl({"File1", ControlKind::FileList, "", files.left, files.top, files.width, files.height, true, true,
                2, "ファイル"});
}

void MatrixFileBrowser::ShowStartFolder() {
    drives_ = {kRoot};
    if (const std::string home = HomeFolder(); !home.empty()) drives_.push_back(home);
    SetItems("Drive1", drives_, 0);
    const std::string start = StartFolder();
    const FolderListing listing = ListFolder(start);
    // An unreadable start folder still shows its path and the way up.
    ShowFolder(start, listing.contents.folders, listing.contents.matrixFiles);
}

void MatrixFileBrowser::EnterFolder(std::string folder) {
    const FolderListing listing = ListFolder(folder);
    if (!listing.ok) {
        ShowMessage(OpenFailedMessage(folder, listing.failure));
        return;
    }
    ShowFolder(folder, listing.contents.folders, listing.contents.matrixFiles);
}

void MatrixFileBrowser::ShowFolder(std::string folder, const std::vector<std::string>& subFolders,
                                   const std::vector<std::string>& files) {
    folder_ = folder;
    std::vector<std::string> items{folder};
    folderTargets_ = {folder};
    if (folder != kRoot) {
        items.push_back("..");
        folderTargets_.push_back(ParentFolder(folder));
    }
    for (const std::string& name : subFolders) {
        items.push_back(name);
        folderTargets_.push_back(JoinPath(folder, name));
    }
    SetItems("Dir1", std::move(items), 0);
    SetItems("File1", files);
    ShowDriveOf(folder);
}

void MatrixFileBrowser::ShowDriveOf(const std::string& folder) {
    shownDrive_ = 0;
    for (std::size_t k = 1; k < drives_.size(); ++k) {
        const std::string& drive = drives_[k];
        if (folder == drive || folder.rfind(drive + "/", 0) == 0) shownDrive_ = static_cast<int>(k);
    }
    SetSelectedIndex("Drive1", shownDrive_);
}

void MatrixFileBrowser::OnListClick(const std::string& name, int index) {
    if (name == "Drive1") {
        if (index == shownDrive_ || index < 0 || index >= static_cast<int>(drives_.size())) return;
        EnterFolder(drives_[static_cast<std::size_t>(index)]);
        SetSelectedIndex("Drive1", shownDrive_);  // back to the drive shown when the folder could not be entered
    } else if (name == "File1") {
        const std::string fileName = Get("File1").items.at(static_cast<std::size_t>(index));
        OnMatrixFileClicked(fileName);
    }
}

void MatrixFileBrowser::OnListActivate(const std::string& name, int index) {
    if (name == "Dir1") {
        if (index >= 0 && index < static_cast<int>(folderTargets_.size()))
            EnterFolder(folderTargets_[static_cast<std::size_t>(index)]);
    } else if (name == "File1") {
        OnListClick(name, index);
    }
}

void MatrixFileBrowser::ShowMessage(const std::string& text) {
    platform_.MessageBox(text, kStyleExclamationOk, kFileMessageTitle);
}

}  // namespace selvaris
