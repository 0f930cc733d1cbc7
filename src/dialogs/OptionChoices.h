#pragma once

// What the options dialog edits; the main window hands them in and takes them back.
struct OptionValues {
    bool autostart = false;
    bool grid = true;
    int panes = 1;
    int theme = 0;
};

// The pane-count list offers 1, 2, 4, 6 and 9, in that order.
constexpr int kPaneChoiceCount = 5;
// The count at a list position; any other position, "no selection" included, means one pane.
int PaneCountAt(int position);
// The position that shows a count; a count the list does not offer shows as "1".
int PanePositionOf(int count);
// The list's entries as they read.
const wchar_t* PaneChoiceText(int position);

// Which of the six theme buttons (0 for theme 1 .. 5 for theme 6) shows a theme; a value
// outside 2..6 shows the first, as it paints as theme 1.
int ThemeButtonOf(int theme);
