#include "files/form9.h"

namespace selvaris {

Form9::Form9(SharedRegisters& registers, Platform& platform)
    : Window("Form9", "行列を開く", 3300, 4635), registers_(registers), platform_(platform) {}

}  // namespace selvaris
