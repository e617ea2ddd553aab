#include "files/form8.h"

#include "files/file_messages.h"
#include "files/folder_listing.h"
#include "files/matrix_file_io.h"

namespace selvaris {

Form8::Form8(SharedRegisters& registers, Platform& platform)
    : MatrixFileBrowser("Form8", "行列を保存", 4440, 4725, platform, {120, 120, 3015, 300}, {120, 480, 3015, 1980},
                        {120, 2520, 3015, 1530}),
      registers_(registers) {
    AddControl({"Text1", ControlKind::TextBox, "data1", 120, 4200, 3015, 270, true, true, 3, "ファイル名"});
    AddControl({"Command1", ControlKind::Button, "保存", 3240, 3960, 975, 615, true, true, 4});
    MakeDefaultButton("Command1");  // Enter in the name box saves
    // Byte and double round-trip probes from early development: laid out but kept
    // hidden, and nothing ever shows them, so they need no handlers.
    AddControl({"Command2", ControlKind::Button, "put", 3360, 1800, 855, 375, false, true});
    AddControl({"Command3", ControlKind::Button, "get", 3360, 2280, 855, 375, false, true});
    AddControl({"Command4", ControlKind::Button, "double put", 3360, 840, 855, 375, false, true});
    AddControl({"Command5", ControlKind::Button, "double get", 3360, 1320, 855, 375, false, true});
    AddControl({"Text2", ControlKind::TextBox, "Text2", 3360, 2760, 855, 270, false, true});
}

void Form8::OnLoad() { ShowStartFolder(); }

void Form8::OnClick(const std::string& name) {
    if (name == "Command1") Save();
}

void Form8::OnMatrixFileClicked(const std::string& fileName) { SetText("Text1", MatrixFileStem(fileName)); }

void Form8::Save() {
    const std::string name = Text("Text1");
    if (name.empty()) {
        ShowMessage(EmptyFileNameMessage());
        return;
    }
    if (name.find_first_of(std::string("/\0", 2)) != std::string::npos) {
        ShowMessage(SaveFailedMessage(MatrixFilePath(Folder(), name), "ファイル名に「/」や NUL 文字は使えません"));
        return;
    }
    // Neither list shows such a file, so the user could never find it again.
    if (IsHiddenName(name)) {
        ShowMessage(SaveFailedMessage(MatrixFilePath(Folder(), name), "「.」で始まる名前は一覧に表示されないので使えません"));
        return;
    }
    const std::string path = MatrixFileSavePath(Folder(), name);

    const SaveTarget target = InspectSaveTarget(path);
    if (target.kind == SaveTarget::Kind::Refused) {
        ShowMessage(SaveFailedMessage(path, target.failure));
        return;
    }
    if (target.kind == SaveTarget::Kind::NonEmptyFile &&
        platform_.MessageBox(OverwriteQuestion(path), kStyleExclamationYesNo + kStyleSecondButtonDefault,
                             kOverwriteTitle) == MessageAnswer::No) {
        SetText("Text1", "");
        return;
    }

    if (const auto failure = WriteMatrixFile(path, registers_.EntryMatrix)) {
        ShowMessage(SaveFailedMessage(path, *failure));
        return;
    }
    Close();
}

}  // namespace selvaris
