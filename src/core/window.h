#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/colour.h"
#include "core/complex_matrix.h"
#include "core/control_name.h"
#include "core/drawing.h"

namespace selvaris {

enum class ControlKind {
    Button,
    Label,
    TextBox,           // single line
    MultiLineTextBox,  // matrix text: four rendered lines
    PictureBox,
    DriveList,
    FolderList,
    FileList,
    // A drawing larger than its box, scrolled, that grows with its window and
    // tells where it was clicked.
    CircuitView,
};

// Where a caption sits in its label.
enum class TextAlign { Left, Centre, Right };

// The four arrow keys.
enum class Arrow { Left, Right, Up, Down };

// Where each arrow key moves the keyboard focus from a control; empty: nowhere.
struct ArrowMoves {
    std::string left, right, up, down;
    bool operator==(const ArrowMoves&) const = default;
};

// One control of a window, positions and sizes in twips.
struct Control {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string text;  // caption of buttons and labels, text of text boxes
    // While set, the text is this matrix's rendering, not yet written: the
    // window writes it before anyone outside can read the control.
    std::shared_ptr<const ComplexMatrix> pendingMatrix;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    bool enabled = true;
    int tabIndex = -1;                  // -1: not in the tab order
    std::optional<Colour> backColour;  // empty: the platform's default
    std::string accessibleName;         // for screen readers: the caption shown above it
    bool border = false;                // a thin frame, for labels that show only a colour
    Drawing drawing;                    // picture boxes: what has been drawn since the last clear
    std::vector<std::string> items;     // list controls
    bool isDefault = false;             // buttons: Enter runs the visible one
    int selectedIndex = -1;             // list controls; a circuit view: the drawing step kept in sight
    std::string toolTip;                // what the control does
    std::string toolTipWhenDisabled;    // added while it is disabled: what makes it usable
    TextAlign align = TextAlign::Left;  // labels
    bool outlined = false;              // labels: a frame that points the user at this one
    ArrowMoves arrows;                  // where the arrow keys lead from here
    std::vector<std::string> shortcuts;  // buttons: key combinations that press it, e.g. "Ctrl+Z"

};

// What the user and the handlers can change in a control, saved to be put back.
struct ControlState {
    std::string text;
    std::shared_ptr<const ComplexMatrix> pendingMatrix;  // as in Control
    std::optional<Colour> backColour;
    Drawing drawing;
    std::vector<std::string> items;
    int selectedIndex = -1;
    bool visible = true;
    bool enabled = true;
    bool outlined = false;

    // Texts compare as written, whether or not either is still pending.
    bool operator==(const ControlState& other) const;
};

// The parts of a control's state that a change record keeps apart, so that
// a colour change keeps a colour and not the control's whole text.
enum ControlField : unsigned {
    kTextField = 1u,
    kColourField = 2u,
    kDrawingField = 4u,
    kItemsField = 8u,  // the items and the selected one
    kFlagsField = 16u,  // visible, enabled, outlined
    kAllFields = 31u,
};

// A control as it was before the first change of a change record: the fields
// named hold what it had; the others mean nothing (a reused entry may still
// hold what an earlier record kept there) and are never read.
struct ChangedControl {
    ChangedControl() = default;
    // Built in place member by member: value-initialising the whole entry
    // first would clear it in one slow string instruction on every change.
    ChangedControl(std::size_t changedIndex, unsigned keptFields) : index(changedIndex), fields(keptFields) {}

    std::size_t index = 0;
    unsigned fields = 0;
    ControlState before;
};

// Told about every change of the model, so a binding can update one widget.
class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void ControlChanged(const Control& control) = 0;
    virtual void WindowChanged() = 0;  // caption or position
    virtual void Closed() = 0;
    // The window wants the keyboard focus on this control.
    virtual void FocusRequested(const Control& /*control*/) {}
};

// A toolkit-free window: caption, client size, an ordered table of controls,
// and the handlers of its events.
class Window {
public:
    Window(std::string formName, std::string caption, int clientWidthTwips, int clientHeightTwips);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& FormName() const { return formName_; }
    const std::string& Caption() const { return caption_; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    int Left() const { return left_; }
    int Top() const { return top_; }

    void SetCaption(const std::string& caption);
    void SetPosition(int leftTwips, int topTwips);

    const std::vector<Control>& Controls() const;
    bool Has(ControlName name) const;
    // Throws std::out_of_range for a name the window does not have.
    const Control& Get(ControlName name) const;
    const std::string& Text(ControlName name) const { return Get(name).text; }

    // A control's place in the table, for code that repaints many controls
    // often and would otherwise look each one up by name every time.
    std::size_t IndexOf(ControlName name) const {
        const std::size_t index = FindIndex(name);
        if (index == kNoControl) ThrowNoControl(name);
        return index;
    }
    const Control& ControlAt(std::size_t index) const { return Written(controls_.at(index)); }
    void SetBackColourAt(std::size_t index, Colour colour);

    void SetText(ControlName name, const std::string& text);
    // A matrix text box's text: the matrix as RenderMatrixText writes it,
    // written when first read (a hidden box's seldom is) or shown.
    void SetMatrixText(ControlName name, const ComplexMatrix& matrix);
    bool IsVisible(ControlName name) const { return controls_[IndexOf(name)].visible; }
    void SetEnabled(ControlName name, bool enabled);
    void SetVisible(ControlName name, bool visible);
    void SetBackColour(ControlName name, Colour colour);
    // Applies drawing steps to a picture box: a Clear erases what was there.
    void Draw(ControlName name, const Drawing& steps);
    void ClearPicture(ControlName name);
    void SetItems(ControlName name, std::vector<std::string> items, int selectedIndex = -1);
    void SetSelectedIndex(ControlName name, int index);
    void SetOutlined(ControlName name, bool outlined);
    // Every control's state, in table order, and all of them put back so,
    // telling the binding about each one that differs.
    std::vector<ControlState> SaveControlStates() const;
    void RestoreControlStates(const std::vector<ControlState>& saved);

    // A change record: from the call on, the first change of each control
    // keeps the state it had, so a run of changes can be undone without a copy
    // of the whole window. Taking the record hands over what it kept and starts
    // a new one; putting it back restores those controls, telling the binding.
    std::vector<ChangedControl> TakeChangeRecord();
    void RestoreChanged(const std::vector<ChangedControl>& changed);
    // Hands back records that will never be put back: their entries, text
    // buffers included, serve the records to come, so that a run of changes
    // allocates next to nothing for what it keeps.
    void RecycleChangeRecords(std::vector<std::vector<ChangedControl>>&& spent);

    // The keyboard focus the window last asked for (a binding moves it there);
    // empty until it asks. Ignored for a control that is hidden or disabled.
    void RequestFocus(ControlName name);
    const std::string& RequestedFocus() const { return requestedFocus_; }

    // Lifecycle, driven by the platform.
    void Load();
    // Runs the unload step once and marks the window closed; used by buttons
    // that close the window and by the close box alike.
    void Close();
    bool IsLoaded() const { return loaded_; }
    bool IsClosed() const { return closed_; }

    // Events from the user. Clicks on hidden or disabled controls are ignored,
    // as a real window would never deliver them.
    void Click(ControlName name);
    // A click on a point of a control, in twips from its drawing's top-left corner.
    void ClickAt(const std::string& name, int xTwips, int yTwips);
    void TypeText(const std::string& name, const std::string& text);
    void ListClick(const std::string& name, int index);
    // A double click on a list item, or Enter on the highlighted one.
    void ListActivate(const std::string& name, int index);
    // Enter in a control: a button runs, a list activates its highlighted item,
    // anywhere else the window's visible default button runs (if it has one).
    void PressEnter(const std::string& name);
    // An arrow key in a control: the focus moves as its table says. False
    // when the key leads nowhere from there.
    bool PressArrow(const std::string& name, Arrow arrow);
    // A key combination ("Ctrl+Z"): the visible, enabled button it belongs to runs.
    bool PressShortcut(const std::string& keys);

    void SetObserver(WindowObserver* observer) { observer_ = observer; }

    // False for a window nobody will ever look at (the command line's): its
    // matrix texts then need not be rendered.
    void SetTextsShown(bool shown) { textsShown_ = shown; }
    bool TextsShown() const { return textsShown_; }

protected:
    struct ControlLayout {
        std::string name;
        ControlKind kind;
        std::string text;
        int left, top, width, height;
        bool visible = true;
        bool enabled = true;
        int tabIndex = -1;
        std::string accessibleName = {};
        bool border = false;
    };
    Control& AddControl(const ControlLayout& layout);
    // The control about to change: the change record keeps its state first.
    Control& Mutable(ControlName name);
    // Enter anywhere in the window that is not a button or a list runs this button while it is visible.
    void MakeDefaultButton(const std::string& name) { Mutable(name).isDefault = true; }
    void Notify(Control& control);

    virtual void OnLoad() {}
    virtual void OnUnload() {}
    virtual void OnClick(const std::string& /*name*/) {}
    virtual void OnClickAt(const std::string& /*name*/, int /*xTwips*/, int /*yTwips*/) {}
    virtual void OnTextEdited(const std::string& /*name*/) {}
    virtual void OnListClick(const std::string& /*name*/, int /*index*/) {}
    virtual void OnListActivate(const std::string& /*name*/, int /*index*/) {}

private:
    bool Accepts(ControlName name) const;
    // The control about to change in the fields named.
    Control& Changing(std::size_t index, unsigned fields);
    // The record's entry for those of the fields not yet kept, to be filled
    // in; null when there is nothing to keep.
    ChangedControl* Keeping(std::size_t index, unsigned fields);
    void RestoreFields(std::size_t index, unsigned fields, const ControlState& state);
    // The control with its pending text written.
    Control& Written(Control& control) const;
    // Before a text is replaced: the change record takes it (pending or not).
    void KeepTextBefore(std::size_t index, Control& control);

    std::string formName_;
    std::string caption_;
    int clientWidth_;
    int clientHeight_;
    int left_ = 0;
    int top_ = 0;
    bool loaded_ = false;
    bool closed_ = false;
    // Mutable only to write a pending matrix text when it is read.
    mutable std::vector<Control> controls_;
    // Names looked up by content, without a std::string made for each look.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };
    std::unordered_map<std::string, std::size_t, NameHash, std::equal_to<>> index_;
    // The handlers name the same few controls over and over, each by one
    // constant: the name's address picks a slot that remembers its place.
    // The name itself is always compared, so a reused address is harmless.
    struct RecentName {
        const char* data = nullptr;
        std::uint32_t index = 0;
        std::uint8_t length = 0;
        char text[19] = {};  // longer names are not kept
    };
    // The control's place, or kNoControl: a plain number rather than an
    // optional, which measured slower on this path that nearly every change takes.
    static constexpr std::size_t kNoControl = static_cast<std::size_t>(-1);
    // Inline, as nearly every change starts here: a slotted name known to the
    // window costs two compares.
    std::size_t FindIndex(ControlName name) const {
        if (name.Slot() != ControlName::kNoSlot) {
            const SlottedName& slotted = slottedNames_[static_cast<std::size_t>(name.Slot())];
            if (slotted.data == name.data() && slotted.length == name.size()) return slotted.index;
            return FindAndSlot(name);
        }
        return FindUnslotted(name);
    }
    std::size_t FindAndSlot(ControlName name) const;
    std::size_t FindUnslotted(std::string_view name) const;
    [[noreturn]] void ThrowNoControl(std::string_view name) const;
    mutable std::array<RecentName, 1024> recentNames_{};  // the slot: the top 10 bits of a hash
    // Where the controls named by slotted constants sit: the constant's text
    // (a literal, so its address stands for it) and the control's place.
    struct SlottedName {
        const char* data = nullptr;
        std::size_t length = 0;
        std::size_t index = 0;
    };
    mutable std::array<SlottedName, ControlName::kSlots> slottedNames_{};
    WindowObserver* observer_ = nullptr;
    bool textsShown_ = true;
    std::string requestedFocus_;
    bool recording_ = false;
    std::vector<unsigned char> recorded_;  // by control: the fields kept in record_ already
    // The record's entries are its first recordSize_; any after them are left
    // from a spent record, to be reused.
    std::vector<ChangedControl> record_;
    std::size_t recordSize_ = 0;
    std::size_t longestRecord_ = 0;
    std::vector<std::vector<ChangedControl>> spareRecords_;  // spent records, entries and all
};

}  // namespace selvaris
