#pragma once
#include <vector>

// A rectangle in screen pixels; right and bottom are exclusive.
struct ScreenRect {
    int left;
    int top;
    int right;
    int bottom;
};

// Whether a window placed with its top left at (x, y) would show some of its caption strip
// (its full width, captionHeight high) on one of the work areas, so that it can be seen and
// dragged back. A position from a monitor that is gone, or a hand-edited one, fails this.
bool CaptionReachable(int x, int y, int width, int captionHeight, const std::vector<ScreenRect>& workAreas);
