#pragma once
// Pictures as GDI+ bitmaps: loading, copying, recolouring and drawing at their pixel size.
#include "../core/Color.h"
#include "../win/Gdiplus.h"
#include "../win/Handles.h"

#include <functional>
#include <vector>

namespace ui {

// The bitmap resource, or null when it cannot be loaded.
win::BitmapPtr LoadResourceBitmap(HINSTANCE instance, int resourceId);
// A cursor of the executable's resources, owned by the caller.
win::CursorHandle LoadCursorResource(int resourceId);
// A 24-bit copy of the picture, owned by the caller; null for a null source.
win::BitmapPtr CopyPicture(Gdiplus::Image* source);
win::BitmapPtr MakeCanvas(int width, int height);

// Every pixel, rows top first, opaque; empty for a null bitmap or one that cannot be read.
std::vector<Argb> ReadPixels(Gdiplus::Bitmap* bitmap);
// Replaces every pixel by the opaque ARGB values, rows top first, as many as the bitmap holds.
void WritePixels(Gdiplus::Bitmap* bitmap, const std::vector<Argb>& pixels);

// Rewrites every pixel through the function, column by column. A pixel that cannot be read
// counts as the last one that could (opaque black before the first).
void MapPixels(Gdiplus::Bitmap* bitmap, const std::function<Argb(Argb)>& map);
// Every pixel of the old colour (alpha ignored) becomes the opaque new colour.
void ReplaceColor(Gdiplus::Bitmap* bitmap, ColorRef oldColor, ColorRef newColor);

// Draws the picture one pixel for one pixel, whatever resolution it was saved with.
void DrawPicture(Gdiplus::Graphics& graphics, Gdiplus::Image* picture, int x, int y);

// A one-pixel frame along the inside of a w x h area.
void DrawFrame(Gdiplus::Graphics& graphics, Argb color, int w, int h);

} // namespace ui
