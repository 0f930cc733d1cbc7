#include "ClickRemainder.h"

#include <cstdlib>

void ClickRemainder::Arm(Input ending, unsigned timeMs, int x, int y, const DoubleClick& doubleClick) {
    armed = true;
    releasePending = ending == Input::Press;
    secondPressTaken = false;
    endingTime = timeMs;
    endingX = x;
    endingY = y;
    limits = doubleClick;
}

bool ClickRemainder::Swallows(Input input, unsigned timeMs, int x, int y) {
    if (!armed)
        return false;
    if (input == Input::Release) {
        if (!releasePending) {
            armed = false;
            return false;
        }
        releasePending = false;
        armed = !secondPressTaken;
        return true;
    }
    if (secondPressTaken || !IsSecondPress(timeMs, x, y)) {
        armed = false;
        return false;
    }
    secondPressTaken = true;
    releasePending = true;
    return true;
}

// As the system tells a double click: within the double-click time of the first press and
// inside the rectangle of the double-click size centred on it. Message times wrap round.
bool ClickRemainder::IsSecondPress(unsigned timeMs, int x, int y) const {
    return timeMs - endingTime <= limits.timeMs && std::abs(x - endingX) <= limits.width / 2 &&
           std::abs(y - endingY) <= limits.height / 2;
}
