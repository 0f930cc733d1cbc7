#pragma once
#include "Color.h"

// What a key does in the main window, whichever window has the focus.
enum class KeyAction { None, SetNotation, FlipLock, CancelPicking, Copy, Help };

struct KeyCommand {
    KeyAction action;
    int argument; // the notation, or the channel of the lock
};

KeyCommand CommandForKey(unsigned virtualKey);

// The tool panel's command numbers, as posted in WM_PANEL_COMMAND.
enum PanelCommand : int {
    kCommandColorDialog = 1,
    kCommandPicker = 2,
    kCommandZoomPicker = 3,
    kCommandCopy = 4,
    kCommandOptions = 5,
    kCommandAbout = 6,
    kCommandTopmost = 7,
    kCommandHelp = 8,
};
