#pragma once
// The pane counts the colour display offers and the grid of columns and rows each fills.

struct PaneGrid {
    int count;
    int columns;
    int rows;
};

// In the order the options dialog lists them.
constexpr PaneGrid kPaneGrids[] = {{1, 1, 1}, {2, 1, 2}, {4, 2, 2}, {6, 2, 3}, {9, 3, 3}};
constexpr int kPaneChoiceCount = static_cast<int>(sizeof(kPaneGrids) / sizeof(kPaneGrids[0]));
constexpr int kMaxPanes = kPaneGrids[kPaneChoiceCount - 1].count;

// The grid of a count the display offers; any other count, stored or asked for, shows one pane.
const PaneGrid& PaneGridOf(int count);
// The number of panes the display shows for that count.
int HeldPaneCount(int count);
