#include "core/lane_width.h"

namespace selvaris {

bool WideLanesAvailable() {
#if defined(SELVARIS_WIDE_LANES)
    static const bool available = __builtin_cpu_supports("avx2");
    return available;
#else
    return false;
#endif
}

}  // namespace selvaris
