#include "workbench/form1.h"

namespace selvaris {

Form1::Form1(SharedRegisters& registers, Platform& platform)
    : Window("Form1", "Selvaris 1.0", 12480, 7560), registers_(registers), platform_(platform) {}

}  // namespace selvaris
