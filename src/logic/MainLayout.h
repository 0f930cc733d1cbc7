#pragma once
// Where the main window puts the children it places in pixels, at the window's DPI.
#include "DpiScaling.h"

#include <array>

struct MainLayout {
    PixelRect colorDisplay;
    // Red, green, blue.
    std::array<PixelRect, 3> locks;
    // The information panel keeps the size its template gives it; only its corner is placed.
    int infoLeft;
    int infoTop;
    // The space kept between children stacked one above the other.
    int stackGap;
    int toolPanelHeight;
};

MainLayout MainLayoutAt(int dpi);
