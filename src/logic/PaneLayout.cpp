#include "PaneLayout.h"

namespace {

// Margins of 3 pixels at the left and top and 4 at the right and bottom; 2 between panes;
// each scaled with the DPI.
struct Spacing {
    int halfGap;
    int gap;
    int leadingMargin;
    int trailingMargin;
};

// Where the panes of one row or column begin and end.
struct Span {
    int begin;
    int end;
};

// One, two or three equal parts of a side, the gaps centred on the dividing lines.
std::vector<Span> EvenSpans(int parts, int length, const Spacing& spacing) {
    const int end = length - spacing.trailingMargin;
    if (parts == 1)
        return {{spacing.leadingMargin, end}};
    if (parts == 2) {
        const int half = length / 2;
        return {{spacing.leadingMargin, half - spacing.halfGap}, {half + spacing.halfGap, end}};
    }
    const int third = length / 3;
    return {{spacing.leadingMargin, third - spacing.halfGap},
            {third + spacing.halfGap, length - third - spacing.halfGap},
            {length - third + spacing.halfGap, end}};
}

std::vector<PixelRect> Panes(const std::vector<Span>& columns, const std::vector<Span>& rows) {
    std::vector<PixelRect> panes;
    for (const Span& row : rows)
        for (const Span& column : columns)
            panes.push_back({column.begin, row.begin, column.end, row.end});
    return panes;
}

} // namespace

std::vector<PixelRect> LayoutPanes(int count, int width, int height, int dpi) {
    const PaneGrid& grid = PaneGridOf(count);
    if (grid.count == 1)
        return {{0, 0, width, height}};
    const Spacing spacing{ScaleToDpi(1, dpi), ScaleToDpi(2, dpi), ScaleToDpi(3, dpi), ScaleToDpi(4, dpi)};
    std::vector<Span> columns = EvenSpans(grid.columns, width, spacing);
    std::vector<Span> rows = EvenSpans(grid.rows, height, spacing);
    if (grid.columns == 3) {
        // The nine panes have a narrower middle column, and their first row ends and their
        // second begins lower than those of the six.
        const int thirdWidth = width / 3, thirdHeight = height / 3;
        columns[1].end = width - thirdWidth - spacing.trailingMargin;
        columns[2].begin = width - thirdWidth - spacing.gap;
        rows[0].end = thirdHeight + spacing.halfGap;
        rows[1].begin = thirdHeight + spacing.leadingMargin;
    }
    return Panes(columns, rows);
}

int MoveInGrid(int count, int activePane, GridMove move) {
    const PaneGrid& grid = PaneGridOf(count);
    // Two panes, one above the other, are no grid the arrows move in.
    if (grid.columns < 2)
        return -1;
    int row = activePane / grid.columns;
    int column = activePane % grid.columns;
    switch (move) {
    case GridMove::Left:
        column = (column + grid.columns - 1) % grid.columns;
        break;
    case GridMove::Right:
        column = (column + 1) % grid.columns;
        break;
    case GridMove::Up:
        row = (row + grid.rows - 1) % grid.rows;
        break;
    case GridMove::Down:
        row = (row + 1) % grid.rows;
        break;
    }
    const int target = row * grid.columns + column;
    return target >= 0 && target < grid.count ? target : -1;
}
