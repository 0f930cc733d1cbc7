#include "PatternWindow.h"

#include "Driver.h"
#include "win/Colors.h"

#include <vector>

namespace e2e {

namespace {

constexpr wchar_t kClassName[] = L"TintraTestPattern";

void PaintPattern(HWND window) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    std::vector<DWORD> pixels;
    for (int y = 0; y < PatternWindow::kHeight; ++y)
        for (int x = 0; x < PatternWindow::kWidth; ++x) {
            const ColorRef color = PatternWindow::ColorAt(x, y);
            pixels.push_back(static_cast<DWORD>(RedOf(color) << 16 | GreenOf(color) << 8 | BlueOf(color)));
        }
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), PatternWindow::kWidth, -PatternWindow::kHeight, 1, 32, BI_RGB};
    SetDIBitsToDevice(dc, 0, 0, PatternWindow::kWidth, PatternWindow::kHeight, 0, 0, 0,
                      PatternWindow::kHeight, pixels.data(), &info, DIB_RGB_COLORS);
    EndPaint(window, &paint);
}

} // namespace

ColorRef PatternWindow::ColorAt(int x, int y) {
    return MakeColorRef(40 + 3 * x, 50 + 4 * y, (x * 7 + y * 11) & 0xFF);
}

LRESULT CALLBACK PatternWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintPattern(window);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

PatternWindow::~PatternWindow() {
    if (window)
        DestroyWindow(window);
}

bool PatternWindow::Show(POINT screenTopLeft) {
    static const ATOM registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return RegisterClassW(&wc);
    }();
    if (!registered)
        return false;
    topLeft = screenTopLeft;
    window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, L"", WS_POPUP,
                             topLeft.x, topLeft.y, kWidth, kHeight, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return false;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    // Corners and centre as the screen shows them, not only as painted.
    return WaitFor([this] {
        for (POINT p : {POINT{0, 0}, POINT{kWidth - 1, kHeight - 1}, POINT{kWidth / 2, kHeight / 2}})
            if (win::ToColorRef(ScreenPixel(window, p.x, p.y)) != ColorAt(p.x, p.y))
                return false;
        return true;
    });
}

std::vector<Argb> ScreenPixels(HWND window, const RECT& client) {
    const POINT origin = OnScreen(window, client.left, client.top);
    const int width = client.right - client.left, height = client.bottom - client.top;
    const win::WindowDc screen(nullptr);
    const win::MemoryDc memory(CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    const win::BitmapHandle bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win::SelectScope selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const Argb*>(bits);
    std::vector<Argb> pixels(first, first + width * height);
    for (Argb& pixel : pixels)
        pixel = Opaque(pixel);
    return pixels;
}

} // namespace e2e
