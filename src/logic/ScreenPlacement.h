#pragma once
#include "PixelRect.h"

#include <vector>

// Whether a window placed with its top left at (x, y) would show enough of its caption strip
// (its full width, captionHeight high) on one of the work areas to be grabbed with the mouse
// and dragged back. A position from a monitor that is gone, or a hand-edited one, fails this.
// Enough is a piece of two caption heights across (all of the caption when the window is
// narrower) and half a caption height down: the caption's ends hold the icon and the close
// box, each about a caption height square, so one plain square is left to grab beside either;
// and a caption half above the top of the screen is where a drag by its lower half leaves it.
bool CaptionReachable(int x, int y, int width, int captionHeight, const std::vector<PixelRect>& workAreas);
