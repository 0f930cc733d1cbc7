#include "LoupeWindow.h"

#include "../logic/DpiScaling.h"
#include "../win/Colors.h"
#include "../win/SystemDpi.h"
#include "../win/WindowRects.h"

#include <oleacc.h>

namespace {

// At the base DPI: the text's height and lines.
constexpr int kTextSize = 12;
constexpr int kLineHeight = 15;
constexpr int kTextLines = 2;
constexpr COLORREF kTextColor = RGB(0, 0, 0);

} // namespace

// A pop-up of its own: no caption, no taskbar button (owned, a tool window), never activated.
// Clicks never reach it, since the waiting picker holds the mouse; WS_EX_TRANSPARENT would add
// nothing but made every move cost three times as much under Wine.
bool LoupeWindow::Make() {
    if (Hwnd())
        return true;
    return Create(nullptr, nullptr, WS_POPUP, RECT{0, 0, 1, 1}, owner, 0,
                  WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST);
}

void LoupeWindow::Follow(PixelPoint at, const Look& look) {
    if (!Make())
        return;
    if (!FindMonitor(at))
        return;
    pointer = at;
    shownLook = look;
    view = LoupeViewAround(at, dpi, look.factor);
    const int padding = ScaleToDpi(kLoupePadding, dpi);
    const int width = view.side + 2 * padding;
    const int height = view.side + 3 * padding + kTextLines * ScaleToDpi(kLineHeight, dpi);
    const PixelRect shown = view.source;
    const PixelRect keepClear = look.keepClear.IsEmpty() ? shown : Bounding(shown, look.keepClear);
    const PixelRect place = LoupePlace(at, width, height, keepClear, monitor, ScaleToDpi(kLoupeGap, dpi));
    const bool wasShown = IsShown();
    // Each move puts it above the windows that have come up since; its size changes only with the
    // factor or the monitor's scale.
    const UINT shownAlready =
        wasShown && win::ScreenRect(Hwnd()).Width() == width ? SWP_NOSIZE : SWP_SHOWWINDOW;
    SetWindowPos(Hwnd(), HWND_TOPMOST, place.left, place.top, width, height,
                 SWP_NOACTIVATE | SWP_NOCOPYBITS | shownAlready);
    if (!FitCanvas(width, height))
        return;
    Refresh();
    if (!wasShown) {
        atLastTick = announced = at;
        SetTimer(Hwnd(), kRefreshTimer, kRefreshMs, nullptr);
    }
}

bool LoupeWindow::FindMonitor(PixelPoint at) {
    if (font && monitor.Contains(at))
        return true;
    const HMONITOR found = MonitorFromPoint(win::ToPOINT(at), MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{sizeof(info)};
    if (!GetMonitorInfoW(found, &info))
        return false;
    monitor = win::ToPixelRect(info.rcMonitor);
    dpi = win::MonitorDpi(found);
    font.reset(CreateFontW(-ScaleToDpi(kTextSize, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH, L"Arial"));
    return font.get() != nullptr;
}

bool LoupeWindow::FitCanvas(int width, int height) {
    if (canvas && width == canvasWidth && height == canvasHeight)
        return true;
    const win::WindowDc window(Hwnd());
    if (!canvasDc)
        canvasDc.reset(CreateCompatibleDC(window.get()));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    canvas.reset(canvasDc ? CreateDIBSection(canvasDc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0)
                          : nullptr);
    canvasBits = static_cast<Argb*>(bits);
    canvasWidth = canvas && bits ? width : 0;
    canvasHeight = canvas && bits ? height : 0;
    return canvasWidth != 0;
}

void LoupeWindow::Hide() {
    if (!IsShown())
        return;
    KillTimer(Hwnd(), kRefreshTimer);
    ShowWindow(Hwnd(), SW_HIDE);
}

// Only the pixels that are on a screen are read; the rest of the picture shows black.
void LoupeWindow::Refresh() {
    capture = ScreenArea{Intersect(view.source, VirtualScreen()), {}};
    if (!capture.area.IsEmpty() && !screen.Copy(capture.area, capture))
        capture = ScreenArea{};
    const Argb mean = MeanColor(capture, SampleSquare(pointer, shownLook.sampleSide));
    text = LoupeText(shownLook.notation, ToColorRef(mean), pointer);
    DrawCanvas();
    Invalidate(false);
}

// The picture is read anew every tick, where the pointer is now; once the pointer has stayed a tick on
// another pixel than the one last announced, screen readers are told the new name.
void LoupeWindow::OnTimer() {
    const std::optional<PixelPoint> now = pointerNow ? pointerNow() : std::nullopt;
    if (now && !(*now == pointer))
        Follow(*now, shownLook);
    else
        Refresh();
    if (pointer == atLastTick && !(pointer == announced)) {
        announced = pointer;
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Hwnd(), OBJID_CLIENT, CHILDID_SELF);
    }
    atLastTick = pointer;
}

void LoupeWindow::DrawCanvas() {
    const std::vector<Argb> face =
        LoupeFace(capture, view, shownLook.sampleSide, dpi, canvasWidth, canvasHeight);
    std::copy(face.begin(), face.end(), canvasBits);
    const int textTop = 2 * ScaleToDpi(kLoupePadding, dpi) + view.side;
    RECT lines{0, textTop, canvasWidth, canvasHeight};
    const win::SelectScope bitmap(canvasDc.get(), canvas.get());
    const win::SelectScope textFont(canvasDc.get(), font.get());
    SetBkMode(canvasDc.get(), TRANSPARENT);
    SetTextColor(canvasDc.get(), kTextColor);
    DrawTextW(canvasDc.get(), text.c_str(), -1, &lines, DT_CENTER | DT_NOPREFIX);
    GdiFlush();
}

void LoupeWindow::OnPaint() {
    const win::PaintScope paint(Hwnd());
    const win::SelectScope bitmap(canvasDc.get(), canvas.get());
    BitBlt(paint.get(), 0, 0, canvasWidth, canvasHeight, canvasDc.get(), 0, 0, SRCCOPY);
}

LRESULT LoupeWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_TIMER:
        if (wParam == kRefreshTimer)
            OnTimer();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_GETOBJECT:
        return OnGetObject(wParam, lParam);
    }
    return DefaultProc(message, wParam, lParam);
}

// Its name is what it shows, the two lines as one.
win::AccessibleFacts LoupeWindow::DescribeAccessible(long item) const {
    win::AccessibleFacts facts = Window::DescribeAccessible(item);
    facts.name = text;
    if (const size_t lineEnd = facts.name.find(L'\n'); lineEnd != std::wstring::npos)
        facts.name.replace(lineEnd, 1, L", ");
    return facts;
}
