#pragma once
// Reading the screen as a person sees it.
#include "../logic/PixelRect.h"
#include "../logic/ZoomGeometry.h"

// The virtual screen over every monitor; left of or above the primary one it is negative.
PixelRect VirtualScreen();
// Copies that part of the screen into the area's pixels, layered and translucent windows
// (tooltips, menu shadows, notifications) included; false when the screen cannot be read.
bool CopyScreenArea(const PixelRect& area, ScreenArea& copy);
