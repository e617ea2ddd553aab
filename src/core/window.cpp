#include "core/window.h"

#include <stdexcept>

namespace selvaris {

Window::Window(std::string formName, std::string caption, int clientWidthTwips, int clientHeightTwips)
    : formName_(std::move(formName)),
      caption_(std::move(caption)),
      clientWidth_(clientWidthTwips),
      clientHeight_(clientHeightTwips) {}

void Window::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (observer_) observer_->WindowChanged();
}

void Window::SetPosition(int leftTwips, int topTwips) {
    left_ = leftTwips;
    top_ = topTwips;
    if (observer_) observer_->WindowChanged();
}

bool Window::Has(const std::string& name) const { return index_.count(name) != 0; }

const Control& Window::Get(const std::string& name) const {
    auto it = index_.find(name);
    if (it == index_.end()) throw std::out_of_range(formName_ + " has no control " + name);
    return controls_[it->second];
}

std::size_t Window::IndexOf(const std::string& name) const {
    auto it = index_.find(name);
    if (it == index_.end()) throw std::out_of_range(formName_ + " has no control " + name);
    return it->second;
}

void Window::SetBackColourAt(std::size_t index, Colour colour) {
    Control& c = controls_.at(index);
    c.backColour = colour;
    Notify(c);
}

Control& Window::Mutable(const std::string& name) {
    auto it = index_.find(name);
    if (it == index_.end()) throw std::out_of_range(formName_ + " has no control " + name);
    return controls_[it->second];
}

void Window::Notify(const Control& control) {
    if (observer_) observer_->ControlChanged(control);
}

Control& Window::AddControl(const ControlLayout& layout) {
    if (Has(layout.name)) throw std::logic_error(formName_ + " declares " + layout.name + " twice");
    Control c;
    c.name = layout.name;
    c.kind = layout.kind;
    c.text = layout.text;
    c.left = layout.left;
    c.top = layout.top;
    c.width = layout.width;
    c.height = layout.height;
    c.visible = layout.visible;
    c.enabled = layout.enabled;
    c.tabIndex = layout.tabIndex;
    c.accessibleName = layout.accessibleName;
    c.border = layout.border;
    index_[c.name] = controls_.size();
    controls_.push_back(std::move(c));
    return controls_.back();
}

void Window::SetText(const std::string& name, const std::string& text) {
    Control& c = Mutable(name);
    c.text = text;
    Notify(c);
}

void Window::SetEnabled(const std::string& name, bool enabled) {
    Control& c = Mutable(name);
    c.enabled = enabled;
    Notify(c);
}

void Window::SetVisible(const std::string& name, bool visible) {
    Control& c = Mutable(name);
    c.visible = visible;
    Notify(c);
}

void Window::SetBackColour(const std::string& name, Colour colour) { SetBackColourAt(IndexOf(name), colour); }

void Window::Draw(const std::string& name, const Drawing& steps) {
    Control& c = Mutable(name);
    for (const DrawPrimitive& p : steps) {
        if (p.kind == PrimitiveKind::Clear)
            c.drawing.clear();
        else
            c.drawing.push_back(p);
    }
    Notify(c);
}

void Window::ClearPicture(const std::string& name) { Draw(name, {ClearPrimitive()}); }

void Window::SetItems(const std::string& name, std::vector<std::string> items, int selectedIndex) {
    Control& c = Mutable(name);
    c.items = std::move(items);
    c.selectedIndex = (selectedIndex >= 0 && selectedIndex < static_cast<int>(c.items.size())) ? selectedIndex : -1;
    Notify(c);
}

void Window::SetSelectedIndex(const std::string& name, int index) {
    Control& c = Mutable(name);
    c.selectedIndex = (index >= 0 && index < static_cast<int>(c.items.size())) ? index : -1;
    Notify(c);
}

void Window::SetOutlined(const std::string& name, bool outlined) {
    Control& c = Mutable(name);
    if (c.outlined == outlined) return;
    c.outlined = outlined;
    Notify(c);
}

namespace {

ControlState StateOf(const Control& c) {
    return {c.text, c.backColour, c.drawing, c.items, c.selectedIndex, c.visible, c.enabled, c.outlined};
}

}  // namespace

std::vector<ControlState> Window::SaveControlStates() const {
    std::vector<ControlState> states;
    states.reserve(controls_.size());
    for (const Control& c : controls_) states.push_back(StateOf(c));
    return states;
}

void Window::RestoreControlStates(const std::vector<ControlState>& saved) {
    for (std::size_t i = 0; i < saved.size() && i < controls_.size(); ++i) {
        Control& c = controls_[i];
        const ControlState& s = saved[i];
        if (StateOf(c) == s) continue;
        c.text = s.text;
        c.backColour = s.backColour;
        c.drawing = s.drawing;
        c.items = s.items;
        c.selectedIndex = s.selectedIndex;
        c.visible = s.visible;
        c.enabled = s.enabled;
        c.outlined = s.outlined;
        Notify(c);
    }
}

void Window::RequestFocus(const std::string& name) {
    if (!Accepts(name)) return;
    requestedFocus_ = name;
    if (observer_) observer_->FocusRequested(Get(name));
}

void Window::Load() {
    loaded_ = true;
    closed_ = false;
    OnLoad();
}

void Window::Close() {
    if (closed_) return;
    closed_ = true;
    OnUnload();
    if (observer_) observer_->Closed();
}

bool Window::Accepts(const std::string& name) const {
    if (closed_ || !Has(name)) return false;
    const Control& c = Get(name);
    return c.visible && c.enabled;
}

void Window::Click(const std::string& name) {
    if (Accepts(name)) OnClick(name);
}

void Window::ClickAt(const std::string& name, int xTwips, int yTwips) {
    if (Accepts(name)) OnClickAt(name, xTwips, yTwips);
}

void Window::TypeText(const std::string& name, const std::string& text) {
    if (!Accepts(name)) return;
    Control& c = Mutable(name);
    if (c.text == text) return;
    c.text = text;
    Notify(c);
    OnTextEdited(name);
}

void Window::ListClick(const std::string& name, int index) {
    if (!Accepts(name)) return;
    Control& c = Mutable(name);
    if (index < 0 || index >= static_cast<int>(c.items.size())) return;
    c.selectedIndex = index;
    OnListClick(name, index);
}

void Window::ListActivate(const std::string& name, int index) {
    if (!Accepts(name)) return;
    Control& c = Mutable(name);
    if (index < 0 || index >= static_cast<int>(c.items.size())) return;
    c.selectedIndex = index;
    OnListActivate(name, index);
}

bool Window::PressArrow(const std::string& name, Arrow arrow) {
    if (!Accepts(name)) return false;
    const ArrowMoves& moves = Get(name).arrows;
    const std::string& to = arrow == Arrow::Left    ? moves.left
                            : arrow == Arrow::Right ? moves.right
                            : arrow == Arrow::Up    ? moves.up
                                                    : moves.down;
    if (to.empty() || !Accepts(to)) return false;
    RequestFocus(to);
    return true;
}

bool Window::PressShortcut(const std::string& keys) {
    for (const Control& c : controls_)
        for (const std::string& shortcut : c.shortcuts)
            if (shortcut == keys && c.kind == ControlKind::Button && Accepts(c.name)) {
                const std::string button = c.name;  // the handler may change the table
                Click(button);
                return true;
            }
    return false;
}

void Window::PressEnter(const std::string& name) {
    if (!Accepts(name)) return;
    const Control& c = Get(name);
    switch (c.kind) {
        case ControlKind::Button:
            Click(name);
            return;
        case ControlKind::FolderList:
        case ControlKind::FileList:
            ListActivate(name, c.selectedIndex);
            return;
        case ControlKind::DriveList:
            return;
        case ControlKind::Label:
            // A label in the tab order is one the user can pick: Enter picks it.
            if (c.tabIndex >= 0) {
                Click(name);
                return;
            }
            break;
        default:
            break;
    }
    for (const Control& button : controls_)
        if (button.kind == ControlKind::Button && button.isDefault && button.visible && button.enabled) {
            Click(button.name);
            return;
        }
}

}  // namespace selvaris
