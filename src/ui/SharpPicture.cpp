#include "SharpPicture.h"

#include "../core/Dpi.h"
#include "Pictures.h"

namespace ui {

// The pixels are resampled here rather than by a scaled draw, whose interpolation and pixel
// offsets differ between platforms.
void DrawPictureSharp(Gdiplus::Graphics& graphics, Gdiplus::Bitmap* picture, int width, int height) {
    if (!picture)
        return;
    const auto pictureWidth = static_cast<int>(picture->GetWidth());
    const auto pictureHeight = static_cast<int>(picture->GetHeight());
    if (pictureWidth == width && pictureHeight == height) {
        DrawPicture(graphics, picture, 0, 0);
        return;
    }
    const win::BitmapPtr scaled = MakeCanvas(width, height);
    if (!scaled)
        return;
    WritePixels(scaled.get(), ScaleNearest(ReadPixels(picture), pictureWidth, pictureHeight, width, height));
    DrawPicture(graphics, scaled.get(), 0, 0);
}

} // namespace ui
