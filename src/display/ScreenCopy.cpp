#include "ScreenCopy.h"

PixelRect VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// Top-down 32-bit rows of the area's width, so that the pixels read straight into the copy.
bool ScreenReader::Fit(HDC screen, int width, int height) {
    if (memory && width == bitmapWidth && height <= bitmapHeight)
        return true;
    if (!memory)
        memory.reset(CreateCompatibleDC(screen));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    bitmap.reset(memory ? CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr);
    bitmapWidth = bitmap && bits ? width : 0;
    bitmapHeight = bitmap && bits ? height : 0;
    return bitmapWidth != 0;
}

bool ScreenReader::Copy(const PixelRect& area, ScreenArea& copy) {
    const win::WindowDc screen(nullptr);
    if (!screen.get() || !Fit(screen.get(), area.Width(), area.Height()))
        return false;
    {
        const win::SelectScope selected(memory.get(), bitmap.get());
        // Without CAPTUREBLT the copy leaves out layered windows, which the person sees.
        if (!BitBlt(memory.get(), 0, 0, area.Width(), area.Height(), screen.get(), area.left, area.top,
                    SRCCOPY | CAPTUREBLT))
            return false;
    }
    GdiFlush();
    const auto* pixels = static_cast<const Argb*>(bits);
    copy.area = area;
    copy.pixels.assign(pixels, pixels + static_cast<size_t>(area.Width()) * area.Height());
    for (Argb& pixel : copy.pixels)
        pixel = Opaque(pixel);
    return true;
}

bool CopyScreenArea(const PixelRect& area, ScreenArea& copy) {
    ScreenReader reader;
    return reader.Copy(area, copy);
}
