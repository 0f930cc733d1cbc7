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

namespace {

// Locks the whole bitmap as 32-bit ARGB rows for the access; GDI+ converts 24-bit pixels.
bool LockWhole(Gdiplus::Bitmap* bitmap, UINT access, Gdiplus::BitmapData& data) {
    if (!bitmap)
        return false;
    const Gdiplus::Rect whole(0, 0, static_cast<INT>(bitmap->GetWidth()),
                              static_cast<INT>(bitmap->GetHeight()));
    return bitmap->LockBits(&whole, access, PixelFormat32bppARGB, &data) == Gdiplus::Ok;
}

Argb* RowOf(const Gdiplus::BitmapData& data, UINT row) {
    return reinterpret_cast<Argb*>(static_cast<BYTE*>(data.Scan0) + static_cast<INT_PTR>(row) * data.Stride);
}

} // namespace

std::vector<Argb> ReadPixels(Gdiplus::Bitmap* bitmap) {
    Gdiplus::BitmapData data{};
    if (!LockWhole(bitmap, Gdiplus::ImageLockModeRead, data))
        return {};
    std::vector<Argb> pixels;
    pixels.reserve(static_cast<size_t>(data.Width) * data.Height);
    for (UINT row = 0; row < data.Height; ++row)
        for (UINT column = 0; column < data.Width; ++column)
            pixels.push_back(RowOf(data, row)[column] | 0xFF000000u);
    bitmap->UnlockBits(&data);
    return pixels;
}

void WritePixels(Gdiplus::Bitmap* bitmap, const std::vector<Argb>& pixels) {
    Gdiplus::BitmapData data{};
    if (!LockWhole(bitmap, Gdiplus::ImageLockModeWrite, data))
        return;
    size_t next = 0;
    for (UINT row = 0; row < data.Height; ++row)
        for (UINT column = 0; column < data.Width && next < pixels.size(); ++column)
            RowOf(data, row)[column] = pixels[next++] | 0xFF000000u;
    bitmap->UnlockBits(&data);
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
