#include "Pictures.h"

#include "../logic/BitmapRows.h"
#include "../logic/KeyColor.h"
#include "../win/Colors.h"
#include "../win/Resources.h"

#include <cstring>
#include <optional>

namespace ui {

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

namespace {

// Locks the whole bitmap in that pixel format for the access; GDI+ converts other formats.
bool LockWhole(Gdiplus::Bitmap* bitmap, UINT access, Gdiplus::PixelFormat format, Gdiplus::BitmapData& data) {
    if (!bitmap)
        return false;
    const Gdiplus::Rect whole(0, 0, static_cast<INT>(bitmap->GetWidth()),
                              static_cast<INT>(bitmap->GetHeight()));
    return bitmap->LockBits(&whole, access, format, &data) == Gdiplus::Ok;
}

Argb* RowOf(const Gdiplus::BitmapData& data, UINT row) {
    return reinterpret_cast<Argb*>(static_cast<BYTE*>(data.Scan0) + static_cast<INT_PTR>(row) * data.Stride);
}

// Hands the edit the picture's pixels in 24-bit form, in place, and writes them back; false
// when the picture's pixels cannot be had.
template <typename Edit> bool EditPixels(Gdiplus::Bitmap* bitmap, Edit edit) {
    Gdiplus::BitmapData data{};
    if (!LockWhole(bitmap, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite, PixelFormat24bppRGB,
                   data))
        return false;
    edit(PixelRows{static_cast<std::uint8_t*>(data.Scan0), data.Stride, static_cast<int>(data.Width),
                   static_cast<int>(data.Height)});
    bitmap->UnlockBits(&data);
    return true;
}

// A 24-bit bitmap resource, copied straight into a picture; null for any other kind.
win::BitmapPtr Read24BitResource(HINSTANCE instance, int resourceId) {
    const win::ResourceBytes resource =
        win::FindResourceBytes(instance, static_cast<UINT>(resourceId), RT_BITMAP);
    const std::optional<RowLayout> rows = Read24BitRows(resource.data, resource.size);
    win::BitmapPtr picture = rows ? MakeCanvas(rows->width, rows->height) : nullptr;
    const bool copied = EditPixels(picture.get(), [&](const PixelRows& pixels) {
        for (int y = 0; y < rows->height; ++y)
            std::memcpy(pixels.first + y * pixels.stride, resource.data + rows->first + y * rows->stride,
                        static_cast<size_t>(rows->width) * 3);
    });
    return copied ? std::move(picture) : nullptr;
}

} // namespace

// Loading a bitmap resource as a GDI bitmap and converting that, as GDI+ does, makes two
// bitmaps and copies for each picture at every start; the usual kind is read directly.
win::BitmapPtr LoadResourceBitmap(HINSTANCE instance, int resourceId) {
    if (win::BitmapPtr picture = Read24BitResource(instance, resourceId))
        return picture;
    win::BitmapPtr bitmap(Gdiplus::Bitmap::FromResource(instance, MAKEINTRESOURCEW(resourceId)));
    if (bitmap && bitmap->GetLastStatus() != Gdiplus::Ok)
        bitmap.reset();
    return bitmap;
}

// A 24-bit picture is copied pixel for pixel; any other is drawn onto a 24-bit one.
win::BitmapPtr CopyPicture(Gdiplus::Image* source) {
    if (!source)
        return nullptr;
    const auto width = static_cast<INT>(source->GetWidth());
    const auto height = static_cast<INT>(source->GetHeight());
    if (source->GetType() == Gdiplus::ImageTypeBitmap && source->GetPixelFormat() == PixelFormat24bppRGB) {
        win::BitmapPtr copy(
            static_cast<Gdiplus::Bitmap*>(source)->Clone(0, 0, width, height, PixelFormat24bppRGB));
        if (copy && copy->GetLastStatus() == Gdiplus::Ok)
            return copy;
    }
    win::BitmapPtr copy = MakeCanvas(width, height);
    if (copy) {
        Gdiplus::Graphics graphics(copy.get());
        DrawPicture(graphics, source, 0, 0);
    }
    return copy;
}

std::vector<Argb> ReadPixels(Gdiplus::Bitmap* bitmap) {
    Gdiplus::BitmapData data{};
    if (!LockWhole(bitmap, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, data))
        return {};
    std::vector<Argb> pixels;
    pixels.reserve(static_cast<size_t>(data.Width) * data.Height);
    for (UINT row = 0; row < data.Height; ++row)
        for (UINT column = 0; column < data.Width; ++column)
            pixels.push_back(Opaque(RowOf(data, row)[column]));
    bitmap->UnlockBits(&data);
    return pixels;
}

void WritePixels(Gdiplus::Bitmap* bitmap, const std::vector<Argb>& pixels) {
    Gdiplus::BitmapData data{};
    if (!LockWhole(bitmap, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, data))
        return;
    size_t next = 0;
    for (UINT row = 0; row < data.Height; ++row)
        for (UINT column = 0; column < data.Width && next < pixels.size(); ++column)
            RowOf(data, row)[column] = Opaque(pixels[next++]);
    bitmap->UnlockBits(&data);
}

void ReplaceColor(Gdiplus::Bitmap* bitmap, ColorRef oldColor, ColorRef newColor) {
    EditPixels(bitmap, [=](const PixelRows& pixels) { ReplaceKeyColor(pixels, oldColor, newColor); });
}

void FillAreas(Gdiplus::Bitmap* bitmap, const std::vector<FilledArea>& areas) {
    EditPixels(bitmap, [&](const PixelRows& pixels) {
        for (const FilledArea& fill : areas)
            FillArea(pixels, fill.area, fill.color);
    });
}

void MakeGreyWithKey(Gdiplus::Bitmap* bitmap, Argb fill) {
    EditPixels(bitmap, [=](const PixelRows& pixels) { GreyWithKey(pixels, fill); });
}

void DrawPicture(Gdiplus::Graphics& graphics, Gdiplus::Image* picture, int x, int y) {
    if (!picture)
        return;
    const auto width = static_cast<INT>(picture->GetWidth());
    const auto height = static_cast<INT>(picture->GetHeight());
    graphics.DrawImage(picture, Gdiplus::Rect(x, y, width, height), 0, 0, width, height, Gdiplus::UnitPixel);
}

void CopyPictureToDevice(HDC dc, Gdiplus::Bitmap* picture) {
    Gdiplus::BitmapData data{};
    if (!LockWhole(picture, Gdiplus::ImageLockModeRead, PixelFormat24bppRGB, data))
        return;
    const auto width = static_cast<LONG>(data.Width);
    const auto height = static_cast<LONG>(data.Height);
    // GDI takes rows top first only as whole double words each, as GDI+ hands them as a rule.
    const bool gdiRows = data.Stride == ((width * 3 + 3) & ~3);
    if (gdiRows) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB};
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                          static_cast<UINT>(height), data.Scan0, &info, DIB_RGB_COLORS);
    }
    picture->UnlockBits(&data);
    if (!gdiRows) {
        Gdiplus::Graphics graphics(dc);
        DrawPicture(graphics, picture, 0, 0);
    }
}

void DrawFrame(Gdiplus::Graphics& graphics, Argb color, int width, int height) {
    Gdiplus::Pen pen(win::ToGdiplusColor(color), 1.0f);
    graphics.DrawLine(&pen, 0, 0, width, 0);
    graphics.DrawLine(&pen, 0, height - 1, width, height - 1);
    graphics.DrawLine(&pen, 0, 0, 0, height);
    graphics.DrawLine(&pen, width - 1, 0, width - 1, height);
}

} // namespace ui
