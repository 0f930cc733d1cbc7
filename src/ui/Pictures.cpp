#include "Pictures.h"

#include "KeyColor.h"

namespace ui {

win::BitmapPtr LoadResourceBitmap(HINSTANCE instance, int resourceId) {
    win::BitmapPtr bitmap(Gdiplus::Bitmap::FromResource(instance, MAKEINTRESOURCEW(resourceId)));
    if (bitmap && bitmap->GetLastStatus() != Gdiplus::Ok)
        bitmap.reset();
    return bitmap;
}

win::CursorHandle LoadCursorResource(int resourceId) {
    return win::CursorHandle(static_cast<HCURSOR>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
}

win::BitmapPtr MakeCanvas(int width, int height) {
    if (width <= 0 || height <= 0)
        return nullptr;
    win::BitmapPtr canvas = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat24bppRGB);
    if (canvas->GetLastStatus() != Gdiplus::Ok)
        canvas.reset();
    return canvas;
}

win::BitmapPtr CopyPicture(Gdiplus::Image* source) {
    if (!source)
        return nullptr;
    win::BitmapPtr copy =
        MakeCanvas(static_cast<int>(source->GetWidth()), static_cast<int>(source->GetHeight()));
    if (copy) {
        Gdiplus::Graphics graphics(copy.get());
        DrawPicture(graphics, source, 0, 0);
    }
    return copy;
}

void MapPixels(Gdiplus::Bitmap* bitmap, const std::function<Argb(Argb)>& map) {
    if (!bitmap)
        return;
    const auto width = static_cast<INT>(bitmap->GetWidth());
    const auto height = static_cast<INT>(bitmap->GetHeight());
    Gdiplus::Color pixel(0xFF000000);
    for (INT x = 0; x < width; ++x)
        for (INT y = 0; y < height; ++y) {
            Gdiplus::Color read;
            if (bitmap->GetPixel(x, y, &read) == Gdiplus::Ok)
                pixel = read;
            const Argb mapped = map(pixel.GetValue());
            if (mapped != pixel.GetValue())
                bitmap->SetPixel(x, y, Gdiplus::Color(mapped));
        }
}

void ReplaceColor(Gdiplus::Bitmap* bitmap, ColorRef oldColor, ColorRef newColor) {
    MapPixels(bitmap, [=](Argb pixel) { return ReplaceKeyPixel(pixel, oldColor, newColor); });
}

void DrawPicture(Gdiplus::Graphics& graphics, Gdiplus::Image* picture, int x, int y) {
    if (!picture)
        return;
    const auto width = static_cast<INT>(picture->GetWidth());
    const auto height = static_cast<INT>(picture->GetHeight());
    graphics.DrawImage(picture, Gdiplus::Rect(x, y, width, height), 0, 0, width, height, Gdiplus::UnitPixel);
}

void DrawFrame(Gdiplus::Graphics& graphics, Argb color, int w, int h) {
    Gdiplus::Pen pen(Gdiplus::Color(color), 1.0f);
    graphics.DrawLine(&pen, 0, 0, w, 0);
    graphics.DrawLine(&pen, 0, h - 1, w, h - 1);
    graphics.DrawLine(&pen, 0, 0, 0, h);
    graphics.DrawLine(&pen, w - 1, 0, w - 1, h);
}

} // namespace ui
