#include "PaneGrid.h"

const PaneGrid& PaneGridOf(int count) {
    for (const PaneGrid& grid : kPaneGrids)
        if (grid.count == count)
            return grid;
    return kPaneGrids[0];
}

int HeldPaneCount(int count) {
    return PaneGridOf(count).count;
}
