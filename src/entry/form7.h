#pragma once

#include "core/platform.h"
#include "core/shared_registers.h"
#include "core/window.h"

namespace selvaris {

// The matrix entry window: sixteen cells T00..T33, in target or final-gate mode
// (FinalGateMode). Its unload stores the parsed cells into EntryMatrix or FinalGateMatrix.
class Form7 : public Window {
public:
    Form7(SharedRegisters& registers, Platform& platform);

private:
    SharedRegisters& registers_;
    Platform& platform_;
};

}  // namespace selvaris
