#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace selvaris {

// A control's name as the window's methods take it. A form's own constants
// for the controls its handlers touch over and over also carry a small
// number of their own (a slot), by which the window remembers where the
// control sits without looking the name up. Such a constant can only be made
// at compile time, so its text is a literal that outlives every window.
// Two words, so that it travels in registers as a string_view does.
class ControlName {
public:
    static constexpr int kNoSlot = -1;
    static constexpr int kSlots = 64;

    ControlName(std::string_view name) : data_(name.data()), size_(Clamped(name.size())) {}
    ControlName(const char* name) : ControlName(std::string_view(name)) {}
    ControlName(const std::string& name) : ControlName(std::string_view(name)) {}
    consteval ControlName(const char* name, int slot)
        : data_(name), size_(Clamped(std::string_view(name).size())), slot_(slot) {
        if (slot < 0 || slot >= kSlots) throw "a control's slot is out of range";
    }

    std::string_view View() const { return {data_, size_}; }
    operator std::string_view() const { return View(); }
    const char* data() const { return data_; }
    std::size_t size() const { return size_; }
    int Slot() const { return slot_; }

    friend bool operator==(ControlName a, std::string_view b) { return a.View() == b; }

private:
    // No control has a name anywhere near this long: one that is finds nothing.
    static constexpr std::uint32_t Clamped(std::size_t size) {
        return size > std::numeric_limits<std::uint32_t>::max() ? std::numeric_limits<std::uint32_t>::max()
                                                                : static_cast<std::uint32_t>(size);
    }

    const char* data_;
    std::uint32_t size_;
    std::int32_t slot_ = kNoSlot;
};

}  // namespace selvaris
