#include "WheelSteps.h"

namespace {

constexpr int kWheelStep = 120;

} // namespace

int WheelSteps::Add(int delta) {
    // A turn back starts afresh, so the parts of a step one way never delay the other way.
    if ((delta > 0 && remainder < 0) || (delta < 0 && remainder > 0))
        remainder = 0;
    remainder += delta;
    const int steps = remainder / kWheelStep;
    remainder -= steps * kWheelStep;
    return steps;
}
