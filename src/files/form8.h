#pragma once

#include "core/platform.h"
#include "core/shared_registers.h"
#include "core/window.h"

namespace selvaris {

// The save window "行列を保存": writes EntryMatrix to a ".gyo" file.
class Form8 : public Window {
public:
    Form8(SharedRegisters& registers, Platform& platform);

private:
    SharedRegisters& registers_;
    Platform& platform_;
};

}  // namespace selvaris
