#include "PaneLayout.h"

// Margins of 3 pixels at the left and top and 4 at the right and bottom; 2 between panes.
std::vector<PaneRect> LayoutPanes(int count, int w, int h) {
    switch (count) {
    case 2:
        return {{3, 3, w - 4, h / 2 - 1}, {3, h / 2 + 1, w - 4, h - 4}};
    case 4:
        return {{3, 3, w / 2 - 1, h / 2 - 1},
                {w / 2 + 1, 3, w - 4, h / 2 - 1},
                {3, h / 2 + 1, w / 2 - 1, h - 4},
                {w / 2 + 1, h / 2 + 1, w - 4, h - 4}};
    case 6:
        return {{3, 3, w / 2 - 1, h / 3 - 1},
                {w / 2 + 1, 3, w - 4, h / 3 - 1},
                {3, h / 3 + 1, w / 2 - 1, h - h / 3 - 1},
                {w / 2 + 1, h / 3 + 1, w - 4, h - h / 3 - 1},
                {3, h - h / 3 + 1, w / 2 - 1, h - 4},
                {w / 2 + 1, h - h / 3 + 1, w - 4, h - 4}};
    case 9: {
        // The rows sit two pixels lower than those of the six-pane layout.
        const int columns[3][2] = {{3, w / 3 - 1}, {w / 3 + 1, w - w / 3 - 4}, {w - w / 3 - 2, w - 4}};
        const int rows[3][2] = {{3, h / 3 + 1}, {h / 3 + 3, h - h / 3 - 1}, {h - h / 3 + 1, h - 4}};
        std::vector<PaneRect> panes;
        for (const auto& row : rows)
            for (const auto& column : columns)
                panes.push_back({column[0], row[0], column[1], row[1]});
        return panes;
    }
    default:
        return {{0, 0, w, h}};
    }
}

int MoveInGrid(int count, int activePane, GridMove move) {
    int columns, rows;
    switch (count) {
    case 4:
        columns = 2, rows = 2;
        break;
    case 6:
        columns = 2, rows = 3;
        break;
    case 9:
        columns = 3, rows = 3;
        break;
    default:
        return -1;
    }
    int row = activePane / columns;
    int column = activePane % columns;
    switch (move) {
    case GridMove::Left:
        column = (column + columns - 1) % columns;
        break;
    case GridMove::Right:
        column = (column + 1) % columns;
        break;
    case GridMove::Up:
        row = (row + rows - 1) % rows;
        break;
    case GridMove::Down:
        row = (row + 1) % rows;
        break;
    }
    const int target = row * columns + column;
    return target >= 0 && target < count ? target : -1;
}
