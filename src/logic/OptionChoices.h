#pragma once
#include "PaneGrid.h"

#include <string>

// What the options dialog edits; the main window hands them in and takes them back.
struct OptionValues {
    bool autostart = false;
    bool grid = true;
    int panes = 1;
    int theme = 0;
    bool loupe = true;
    bool copyOnPick = false;
    int sample = 1;
    int hotkey = 0; // as the hotkey control gives it; 0: none
};

// The pane-count list offers the display's counts, in their order. The count at a list position; any other
// position, "no selection" included, means one pane.
int PaneCountAt(int position);
// The position that shows a count; a count the list does not offer shows as "1".
int PanePositionOf(int count);
// The list's entries as they read.
std::wstring PaneChoiceText(int position);

// The sample list offers the sides of kSampleSides, in their order, as the pane list its counts.
int SampleSideAt(int position);
int SamplePositionOf(int side);
std::wstring SampleChoiceText(int position);
