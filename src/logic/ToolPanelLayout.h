#pragma once
// Where the tool panel puts its eight buttons, at the window's DPI.
#include "DpiScaling.h"

constexpr int kToolButtonCount = 8;

// The button at that place (0 to 7), vertically centred in a panel of that height.
PixelRect ToolButtonRect(int index, int panelHeight, int dpi);
