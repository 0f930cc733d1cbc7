#pragma once
// The keys that stand in for the mouse while a picker waits or the magnified view is shown.
#include "PixelRect.h"

enum class PickingAction { None, MovePointer, Pick, StepZoom };

struct PickingKey {
    PickingAction action;
    // The pointer's move in steps (a screen pixel, or a block of the view), or the zoom steps in x.
    int dx;
    int dy;
};

constexpr unsigned kVkLeft = 0x25, kVkUp = 0x26, kVkRight = 0x27, kVkDown = 0x28;
// Shift makes an arrow's step this many times as long.
constexpr int kShiftedSteps = 10;

// Arrows move, Enter and Space take the point as a click would, + and - (main keyboard and
// keypad) step the magnification; any other key is none of these.
PickingKey PickingKeyFor(unsigned virtualKey, bool shift);
// The pointer moved by (dx, dy) and held on the screen, whose left or top may be negative.
PixelPoint MovedPointer(PixelPoint pointer, int dx, int dy, const PixelRect& screen);
