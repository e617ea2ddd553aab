#pragma once

#include "core/platform.h"
#include "core/shared_registers.h"
#include "core/window.h"

namespace selvaris {

// The workbench, the main window "Selvaris 1.0".
class Form1 : public Window {
public:
    Form1(SharedRegisters& registers, Platform& platform);

private:
    SharedRegisters& registers_;
    Platform& platform_;
};

}  // namespace selvaris
