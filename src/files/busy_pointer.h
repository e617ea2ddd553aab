#pragma once

#include "core/platform.h"

namespace selvaris {

// Shows the busy pointer for as long as it lives, so every way out of a
// handler restores the normal pointer.
class BusyPointer {
public:
    explicit BusyPointer(Platform& platform) : platform_(platform) { platform_.SetBusyPointer(true); }
    ~BusyPointer() { platform_.SetBusyPointer(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Platform& platform_;
};

}  // namespace selvaris
