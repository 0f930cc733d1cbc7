#include "ScreenCopy.h"

#include "../win/Handles.h"

PixelRect VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

bool CopyScreenArea(const PixelRect& area, ScreenArea& copy) {
    const win::WindowDc screen(nullptr);
    const win::MemoryDc memory(CreateCompatibleDC(screen.get()));
    if (!screen.get() || !memory)
        return false;
    // Top-down 32-bit rows, so that the pixels read straight into the copy.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), area.Width(), -area.Height(), 1, 32, BI_RGB};
    void* bits = nullptr;
    const win::BitmapHandle bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
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
