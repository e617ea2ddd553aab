#include "core/window.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "core/matrix_text.h"

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

bool Window::Has(ControlName name) const { return FindIndex(name) != kNoControl; }

const Control& Window::Get(ControlName name) const { return Written(controls_[IndexOf(name)]); }

const std::vector<Control>& Window::Controls() const {
    for (Control& c : controls_) Written(c);
    return controls_;
}

Control& Window::Written(Control& control) const {
    if (control.pendingMatrix) {
        control.text = MatrixTextOf(*control.pendingMatrix);
        control.pendingMatrix.reset();
    }
    return control;
}

std::size_t Window::FindAndSlot(ControlName name) const {
    const std::size_t index = FindUnslotted(name);
    if (index != kNoControl) slottedNames_[static_cast<std::size_t>(name.Slot())] = {name.data(), name.size(), index};
    return index;
}

std::size_t Window::FindUnslotted(std::string_view name) const {
    // Literals sit a few bytes apart: every bit of the address goes into the slot.
    const std::uint64_t address = reinterpret_cast<std::uintptr_t>(name.data());
    static_assert(std::tuple_size_v<decltype(recentNames_)> == 1u << 10);
    RecentName& recent = recentNames_[(address * 0x9E3779B97F4A7C15u) >> 54];
    // The slot holds the name itself, so a hit reads nothing of the table.
    if (recent.data != nullptr && recent.data == name.data() && recent.length == name.size() &&
        std::memcmp(recent.text, name.data(), name.size()) == 0)
        return recent.index;
    auto it = index_.find(name);
    if (it == index_.end()) return kNoControl;
    if (name.size() <= sizeof recent.text) {
        recent.data = name.data();
        recent.length = static_cast<std::uint8_t>(name.size());
        std::memcpy(recent.text, name.data(), name.size());
        recent.index = static_cast<std::uint32_t>(it->second);
    }
    return it->second;
}

void Window::ThrowNoControl(std::string_view name) const {
    throw std::out_of_range(formName_ + " has no control " + std::string(name));
}

void Window::SetBackColourAt(std::size_t index, Colour colour) {
    if (controls_.at(index).backColour == colour) return;  // nothing for the binding to redo
    Control& c = Changing(index, kColourField);
    c.backColour = colour;
    Notify(c);
}

Control& Window::Mutable(ControlName name) { return Written(Changing(IndexOf(name), kAllFields)); }

namespace {

// Either way between a control and a kept state: both name their fields alike.
template <class From, class To>
void CopyFields(const From& from, unsigned fields, To& to) {
    if (fields & kTextField) {
        to.text = from.text;
        to.pendingMatrix = from.pendingMatrix;
    }
    if (fields & kColourField) to.backColour = from.backColour;
    if (fields & kDrawingField) to.drawing = from.drawing;
    if (fields & kItemsField) {
        to.items = from.items;
        to.selectedIndex = from.selectedIndex;
    }
    if (fields & kFlagsField) {
        to.visible = from.visible;
        to.enabled = from.enabled;
        to.outlined = from.outlined;
    }
}

std::string WrittenText(const std::string& text, const std::shared_ptr<const ComplexMatrix>& pending) {
    return pending ? MatrixTextOf(*pending) : text;
}

template <class A, class B>
bool SameText(const A& a, const B& b) {
    if (!a.pendingMatrix && !b.pendingMatrix) return a.text == b.text;
    if (a.pendingMatrix && b.pendingMatrix && a.pendingMatrix->BitwiseEquals(*b.pendingMatrix)) return true;
    return WrittenText(a.text, a.pendingMatrix) == WrittenText(b.text, b.pendingMatrix);
}

bool SameFields(const Control& c, unsigned fields, const ControlState& s) {
    return (!(fields & kTextField) || SameText(c, s)) && (!(fields & kColourField) || c.backColour == s.backColour) &&
           (!(fields & kDrawingField) || c.drawing == s.drawing) &&
           (!(fields & kItemsField) || (c.items == s.items && c.selectedIndex == s.selectedIndex)) &&
           (!(fields & kFlagsField) || (c.visible == s.visible && c.enabled == s.enabled && c.outlined == s.outlined));
}

}  // namespace

bool ControlState::operator==(const ControlState& o) const {
    return SameText(*this, o) && backColour == o.backColour && drawing == o.drawing && items == o.items &&
           selectedIndex == o.selectedIndex && visible == o.visible && enabled == o.enabled && outlined == o.outlined;
}

ChangedControl* Window::Keeping(std::size_t index, unsigned fields) {
    if (!recording_) return nullptr;
    if (recorded_.size() < controls_.size()) recorded_.resize(controls_.size(), 0);
    const unsigned missing = fields & ~static_cast<unsigned>(recorded_.at(index));
    if (missing == 0) return nullptr;
    recorded_[index] = static_cast<unsigned char>(recorded_[index] | missing);
    // An entry of a spent record is reused as it stands: only the fields it is
    // now told to keep are ever read, and their storage serves again instead
    // of being freed and allocated anew (a text moved in hands its old buffer
    // back to the control, whose next text then fits without allocating).
    if (recordSize_ < record_.size()) {
        ChangedControl& kept = record_[recordSize_++];
        kept.index = index;
        kept.fields = missing;
        return &kept;
    }
    ++recordSize_;
    return &record_.emplace_back(index, missing);
}

Control& Window::Changing(std::size_t index, unsigned fields) {
    Control& c = controls_.at(index);
    if (ChangedControl* kept = Keeping(index, fields)) CopyFields(c, kept->fields, kept->before);
    return c;
}

void Window::Notify(Control& control) {
    if (!observer_) return;
    // A binding reads a visible control's text at once, and a hidden one's
    // only once it shows it (and so through Get or Controls).
    if (control.visible) Written(control);
    observer_->ControlChanged(control);
}

void Window::KeepTextBefore(std::size_t index, Control& c) {
    // The text it had goes to the record whole: it is about to be dropped.
    if (ChangedControl* kept = Keeping(index, kTextField)) {
        kept->before.text = std::move(c.text);
        kept->before.pendingMatrix = std::move(c.pendingMatrix);
    }
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

void Window::SetText(ControlName name, const std::string& text) {
    const std::size_t index = IndexOf(name);
    Control& c = controls_[index];
    // A pending text is not written just to be compared: it counts as a change.
    if (!c.pendingMatrix && c.text == text) return;
    KeepTextBefore(index, c);
    c.pendingMatrix.reset();
    c.text = text;
    Notify(c);
}

void Window::SetMatrixText(ControlName name, const ComplexMatrix& matrix) {
    const std::size_t index = IndexOf(name);
    Control& c = controls_[index];
    if (c.pendingMatrix && c.pendingMatrix->BitwiseEquals(matrix)) return;
    KeepTextBefore(index, c);
    c.text.clear();
    c.pendingMatrix = std::make_shared<const ComplexMatrix>(matrix);
    Notify(c);
}

void Window::SetEnabled(ControlName name, bool enabled) {
    const std::size_t index = IndexOf(name);
    if (controls_[index].enabled == enabled) return;
    Control& c = Changing(index, kFlagsField);
    c.enabled = enabled;
    Notify(c);
}

void Window::SetVisible(ControlName name, bool visible) {
    const std::size_t index = IndexOf(name);
    if (controls_[index].visible == visible) return;
    Control& c = Changing(index, kFlagsField);
    c.visible = visible;
    Notify(c);
}

void Window::SetBackColour(ControlName name, Colour colour) { SetBackColourAt(IndexOf(name), colour); }

void Window::Draw(ControlName name, const Drawing& steps) {
    const std::size_t index = IndexOf(name);
    Control& c = controls_[index];
    if (!steps.empty() && steps.front().kind == PrimitiveKind::Clear) {
        // What is about to be erased goes to the record whole, not copied.
        if (ChangedControl* kept = Keeping(index, kDrawingField)) kept->before.drawing = std::move(c.drawing);
        c.drawing.clear();
    } else {
        Changing(index, kDrawingField);
    }
    c.drawing.reserve(c.drawing.size() + steps.size());
    for (const DrawPrimitive& p : steps) {
        if (p.kind == PrimitiveKind::Clear)
            c.drawing.clear();
        else
            c.drawing.push_back(p);
    }
    Notify(c);
}

void Window::ClearPicture(ControlName name) { Draw(name, {ClearPrimitive()}); }

void Window::SetItems(ControlName name, std::vector<std::string> items, int selectedIndex) {
    Control& c = Changing(IndexOf(name), kItemsField);
    c.items = std::move(items);
    c.selectedIndex = (selectedIndex >= 0 && selectedIndex < static_cast<int>(c.items.size())) ? selectedIndex : -1;
    Notify(c);
}

void Window::SetSelectedIndex(ControlName name, int index) {
    Control& c = Changing(IndexOf(name), kItemsField);
    c.selectedIndex = (index >= 0 && index < static_cast<int>(c.items.size())) ? index : -1;
    Notify(c);
}

void Window::SetOutlined(ControlName name, bool outlined) {
    const std::size_t index = IndexOf(name);
    if (controls_[index].outlined == outlined) return;
    Control& c = Changing(index, kFlagsField);
    c.outlined = outlined;
    Notify(c);
}

std::vector<ControlState> Window::SaveControlStates() const {
    std::vector<ControlState> states;
    states.reserve(controls_.size());
    for (const Control& c : controls_) CopyFields(c, kAllFields, states.emplace_back());
    return states;
}

void Window::RestoreControlStates(const std::vector<ControlState>& saved) {
    for (std::size_t i = 0; i < saved.size() && i < controls_.size(); ++i) RestoreFields(i, kAllFields, saved[i]);
}

void Window::RestoreFields(std::size_t index, unsigned fields, const ControlState& s) {
    if (SameFields(controls_.at(index), fields, s)) return;
    Control& c = Changing(index, fields);
    CopyFields(s, fields, c);
    Notify(c);
}

std::vector<ChangedControl> Window::TakeChangeRecord() {
    std::vector<ChangedControl> taken;
    record_.erase(record_.begin() + static_cast<std::ptrdiff_t>(recordSize_), record_.end());
    taken.swap(record_);
    recordSize_ = 0;
    if (!spareRecords_.empty()) {
        record_ = std::move(spareRecords_.back());
        spareRecords_.pop_back();
    }
    // Room for the longest run so far: growing the record mid-run would move
    // every entry kept until then.
    longestRecord_ = std::max(longestRecord_, taken.size());
    record_.reserve(longestRecord_);
    recorded_.assign(controls_.size(), 0);
    recording_ = true;
    return taken;
}

void Window::RecycleChangeRecords(std::vector<std::vector<ChangedControl>>&& spent) {
    // Enough for the records of a long decomposition; the rest is freed.
    constexpr std::size_t kMostSpareRecords = 64;
    for (std::vector<ChangedControl>& record : spent)
        if (spareRecords_.size() < kMostSpareRecords) spareRecords_.push_back(std::move(record));
    spent.clear();
}

void Window::RestoreChanged(const std::vector<ChangedControl>& changed) {
    for (const ChangedControl& c : changed) RestoreFields(c.index, c.fields, c.before);
}

void Window::RequestFocus(ControlName name) {
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

bool Window::Accepts(ControlName name) const {
    if (closed_) return false;
    const std::size_t index = FindIndex(name);
    return index != kNoControl && controls_[index].visible && controls_[index].enabled;
}

void Window::Click(ControlName name) {
    if (Accepts(name)) OnClick(std::string(name));
}

void Window::ClickAt(const std::string& name, int xTwips, int yTwips) {
    if (Accepts(name)) OnClickAt(name, xTwips, yTwips);
}

void Window::TypeText(const std::string& name, const std::string& text) {
    if (!Accepts(name)) return;
    Control& c = Written(Changing(IndexOf(name), kTextField));
    if (c.text == text) return;
    c.text = text;
    Notify(c);
    OnTextEdited(name);
}

void Window::ListClick(const std::string& name, int index) {
    if (!Accepts(name)) return;
    Control& c = Changing(IndexOf(name), kItemsField);
    if (index < 0 || index >= static_cast<int>(c.items.size())) return;
    c.selectedIndex = index;
    OnListClick(name, index);
}

void Window::ListActivate(const std::string& name, int index) {
    if (!Accepts(name)) return;
    Control& c = Changing(IndexOf(name), kItemsField);
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
