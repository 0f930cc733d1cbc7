#pragma once
#include "../win/Gdiplus.h"
#include "../win/Handles.h"

namespace ui {

// Draws the picture at (0, 0) stretched to that size by the nearest pixel, so that a picture
// of the base-DPI layout stays sharp at any DPI and its replaced key colours stay exact; at its
// own size it is drawn one pixel for one pixel.
void DrawPictureSharp(Gdiplus::Graphics& graphics, Gdiplus::Bitmap* picture, int width, int height);

// A GDI bitmap of that size, the picture stretched as above; null when it cannot be made.
win::BitmapHandle SharpCopy(HBITMAP picture, int width, int height);

} // namespace ui
