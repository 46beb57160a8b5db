#include "firmware/firmware.h"

namespace {

// 2.5 x |deflection| rounded down. The sign is dropped, so a scale is never negative. Formed in
// 64 bits and held within int32 so that a zero trimmed far away cannot overflow it.
int32_t scale_from(int32_t sample, int32_t zero) {
    int64_t d = static_cast<int64_t>(sample) - zero;
    if (d < 0) d = -d;
    const int64_t scale = d * 100 / 40;
    return scale > INT32_MAX ? INT32_MAX : static_cast<int32_t>(scale);
}

}  // namespace

void calibrate_1g() {
    state.zeroY = state.adcY;
    state.scaleZ = scale_from(state.adcZ, state.zeroZ);
}

void calibrate_0g() {
    state.zeroZ = state.adcZ;
    state.scaleY = scale_from(state.adcY, state.zeroY);
}
