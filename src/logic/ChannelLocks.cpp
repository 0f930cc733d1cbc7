#include "ChannelLocks.h"

#include <algorithm>

Channels ApplyLocks(const Channels& positions, const Channels& lastValues, const LockStates& locked,
                    int moved) {
    Channels result = positions;
    if (moved < 0 || moved >= kChannelCount || !locked[static_cast<size_t>(moved)])
        return result;
    const int delta = positions[static_cast<size_t>(moved)] - lastValues[static_cast<size_t>(moved)];
    for (size_t channel = 0; channel < kChannelCount; ++channel)
        if (static_cast<int>(channel) != moved && locked[channel])
            result[channel] = std::clamp(positions[channel] + delta, kChannelMin, kChannelMax);
    return result;
}
