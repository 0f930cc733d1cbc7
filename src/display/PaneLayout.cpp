#include "PaneLayout.h"

// Margins of 3 pixels at the left and top and 4 at the right and bottom; 2 between panes;
// each scaled with the DPI.
std::vector<PixelRect> LayoutPanes(int count, int w, int h, int dpi) {
    const int a = ScaleToDpi(1, dpi), b = ScaleToDpi(2, dpi), c = ScaleToDpi(3, dpi), d = ScaleToDpi(4, dpi);
    switch (count) {
    case 2:
        return {{c, c, w - d, h / 2 - a}, {c, h / 2 + a, w - d, h - d}};
    case 4:
        return {{c, c, w / 2 - a, h / 2 - a},
                {w / 2 + a, c, w - d, h / 2 - a},
                {c, h / 2 + a, w / 2 - a, h - d},
                {w / 2 + a, h / 2 + a, w - d, h - d}};
    case 6:
        return {{c, c, w / 2 - a, h / 3 - a},
                {w / 2 + a, c, w - d, h / 3 - a},
                {c, h / 3 + a, w / 2 - a, h - h / 3 - a},
                {w / 2 + a, h / 3 + a, w - d, h - h / 3 - a},
                {c, h - h / 3 + a, w / 2 - a, h - d},
                {w / 2 + a, h - h / 3 + a, w - d, h - d}};
    case 9: {
        // The rows sit two pixels lower than those of the six-pane layout.
        const int columns[3][2] = {{c, w / 3 - a}, {w / 3 + a, w - w / 3 - d}, {w - w / 3 - b, w - d}};
        const int rows[3][2] = {{c, h / 3 + a}, {h / 3 + c, h - h / 3 - a}, {h - h / 3 + a, h - d}};
        std::vector<PixelRect> panes;
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
