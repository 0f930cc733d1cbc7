#pragma once
// Pictures as GDI+ bitmaps: loading, copying, recolouring and drawing at their pixel size.
#include "../logic/Color.h"
#include "../logic/PixelRect.h"
#include "../win/Gdiplus.h"
#include "../win/Handles.h"

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

// Every pixel of the old colour (alpha ignored) becomes the opaque new colour.
void ReplaceColor(Gdiplus::Bitmap* bitmap, ColorRef oldColor, ColorRef newColor);
struct FilledArea {
    PixelRect area;
    ColorRef color;
};
// Opaque fills, in order, straight into the pixels: what GDI+ fills of the same rectangles
// give, without the cost of its general fills, which is most of the cost of a redraw.
void FillAreas(Gdiplus::Bitmap* bitmap, const std::vector<FilledArea>& areas);
// The tool panel's idle look: pixels of its key colour become the fill, the rest grey.
void MakeGreyWithKey(Gdiplus::Bitmap* bitmap, Argb fill);

// Draws the picture one pixel for one pixel, whatever resolution it was saved with.
void DrawPicture(Gdiplus::Graphics& graphics, Gdiplus::Image* picture, int x, int y);

// The picture's pixels onto the device context at its origin, one for one. Its rows are handed
// to GDI as they lie: GDI+'s general drawing to a device costs thirty times as much under Wine.
void CopyPictureToDevice(HDC dc, Gdiplus::Bitmap* picture);

// A one-pixel frame along the inside of a w x h area.
void DrawFrame(Gdiplus::Graphics& graphics, Argb color, int width, int height);

} // namespace ui
