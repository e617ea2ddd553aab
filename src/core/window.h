#pragma once

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/colour.h"
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
    std::optional<Colour> backColour;
    Drawing drawing;
    std::vector<std::string> items;
    int selectedIndex = -1;
    bool visible = true;
    bool enabled = true;
    bool outlined = false;

    bool operator==(const ControlState&) const = default;
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

    const std::vector<Control>& Controls() const { return controls_; }
    bool Has(const std::string& name) const;
    // Throws std::out_of_range for a name the window does not have.
    const Control& Get(const std::string& name) const;
    const std::string& Text(const std::string& name) const { return Get(name).text; }

    // A control's place in the table, for code that repaints many controls
    // often and would otherwise look each one up by name every time.
    std::size_t IndexOf(const std::string& name) const;
    const Control& ControlAt(std::size_t index) const { return controls_.at(index); }
    void SetBackColourAt(std::size_t index, Colour colour);

    void SetText(const std::string& name, const std::string& text);
    void SetEnabled(const std::string& name, bool enabled);
    void SetVisible(const std::string& name, bool visible);
    void SetBackColour(const std::string& name, Colour colour);
    // Applies drawing steps to a picture box: a Clear erases what was there.
    void Draw(const std::string& name, const Drawing& steps);
    void ClearPicture(const std::string& name);
    void SetItems(const std::string& name, std::vector<std::string> items, int selectedIndex = -1);
    void SetSelectedIndex(const std::string& name, int index);
    void SetOutlined(const std::string& name, bool outlined);
    // Every control's state, in table order, and all of them put back so,
    // telling the binding about each one that differs.
    std::vector<ControlState> SaveControlStates() const;
    void RestoreControlStates(const std::vector<ControlState>& saved);

    // The keyboard focus the window last asked for (a binding moves it there);
    // empty until it asks. Ignored for a control that is hidden or disabled.
    void RequestFocus(const std::string& name);
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
    void Click(const std::string& name);
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
    Control& Mutable(const std::string& name);
    // Enter anywhere in the window that is not a button or a list runs this button while it is visible.
    void MakeDefaultButton(const std::string& name) { Mutable(name).isDefault = true; }
    void Notify(const Control& control);

    virtual void OnLoad() {}
    virtual void OnUnload() {}
    virtual void OnClick(const std::string& /*name*/) {}
    virtual void OnClickAt(const std::string& /*name*/, int /*xTwips*/, int /*yTwips*/) {}
    virtual void OnTextEdited(const std::string& /*name*/) {}
    virtual void OnListClick(const std::string& /*name*/, int /*index*/) {}
    virtual void OnListActivate(const std::string& /*name*/, int /*index*/) {}

private:
    bool Accepts(const std::string& name) const;

    std::string formName_;
    std::string caption_;
    int clientWidth_;
    int clientHeight_;
    int left_ = 0;
    int top_ = 0;
    bool loaded_ = false;
    bool closed_ = false;
    std::vector<Control> controls_;
    std::unordered_map<std::string, std::size_t> index_;
    WindowObserver* observer_ = nullptr;
    bool textsShown_ = true;
    std::string requestedFocus_;
};

}  // namespace selvaris
