#pragma once

#include "core/platform.h"
#include "core/shared_registers.h"
#include "core/window.h"

namespace selvaris {

// The open window "行列を開く": one click on a ".gyo" file loads it into EntryMatrix.
class Form9 : public Window {
public:
    Form9(SharedRegisters& registers, Platform& platform);

private:
    SharedRegisters& registers_;
    Platform& platform_;
};

}  // namespace selvaris
