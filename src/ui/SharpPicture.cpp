#include "SharpPicture.h"

#include "../logic/DpiScaling.h"
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

win::BitmapHandle SharpCopy(HBITMAP picture, int width, int height) {
    const win::BitmapPtr source(Gdiplus::Bitmap::FromHBITMAP(picture, nullptr));
    const win::BitmapPtr copy = MakeCanvas(width, height);
    if (!source || source->GetLastStatus() != Gdiplus::Ok || !copy)
        return win::BitmapHandle();
    Gdiplus::Graphics graphics(copy.get());
    DrawPictureSharp(graphics, source.get(), width, height);
    HBITMAP result = nullptr;
    copy->GetHBITMAP(Gdiplus::Color(0xFF000000), &result);
    return win::BitmapHandle(result);
}

} // namespace ui
