#pragma once
#include "../core/PixelRect.h"

#include <vector>

// Whether a window placed with its top left at (x, y) would show some of its caption strip
// (its full width, captionHeight high) on one of the work areas, so that it can be seen and
// dragged back. A position from a monitor that is gone, or a hand-edited one, fails this.
bool CaptionReachable(int x, int y, int width, int captionHeight, const std::vector<PixelRect>& workAreas);
