#include "entry/form7.h"

namespace selvaris {

Form7::Form7(SharedRegisters& registers, Platform& platform)
    : Window("Form7", "ターゲット行列をセット", 7035, 4200), registers_(registers), platform_(platform) {}

}  // namespace selvaris
