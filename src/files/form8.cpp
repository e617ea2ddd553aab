#include "files/form8.h"

namespace selvaris {

Form8::Form8(SharedRegisters& registers, Platform& platform)
    : Window("Form8", "行列を保存", 4440, 4725), registers_(registers), platform_(platform) {}

}  // namespace selvaris
