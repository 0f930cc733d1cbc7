#pragma once
#include "DpiScaling.h"
#include "PaneGrid.h"

#include <vector>

// The panes, in the display's client area, for a count the display offers; any other count
// gives one pane over the whole area. Margins and gaps grow with the DPI.
std::vector<PixelRect> LayoutPanes(int count, int width, int height, int dpi = kBaseDpi);

enum class GridMove { Left, Up, Right, Down };

// The pane an arrow key moves to in the grid of that count (2 x 2, 2 x 3 or 3 x 3), wrapping
// within the row or column; -1 when the count has no grid or the target is not a pane.
int MoveInGrid(int count, int activePane, GridMove move);
