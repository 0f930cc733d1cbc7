#pragma once
#include <array>

constexpr int kChannelCount = 3; // red, green, blue
constexpr int kChannelMin = 0;
constexpr int kChannelMax = 255;

using Channels = std::array<int, kChannelCount>;
using LockStates = std::array<bool, kChannelCount>;

// Slider positions after channel `moved` was dragged: when it is locked, every other locked
// channel moves by the same amount from its own position, stopping at 0 and 255. What the
// stop cuts off is not given back later, so the differences shrink at the ends.
Channels ApplyLocks(const Channels& positions, const Channels& lastValues, const LockStates& locked,
                    int moved);
