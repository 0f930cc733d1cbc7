#include "LoupeWindow.h"

#include "../logic/DpiScaling.h"
#include "../ui/Pictures.h"
#include "../win/Colors.h"
#include "../win/SystemDpi.h"
#include "../win/WindowRects.h"
#include "ScreenCopy.h"

#include <oleacc.h>

namespace {

// At the base DPI: the text's height and lines.
constexpr int kTextSize = 12;
constexpr int kLineHeight = 15;
constexpr int kTextLines = 2;
constexpr ColorRef kFaceColor = MakeColorRef(240, 240, 240);
constexpr ColorRef kBorderColor = MakeColorRef(40, 40, 40);
constexpr ColorRef kDarkRing = MakeColorRef(0, 0, 0);
constexpr ColorRef kLightRing = MakeColorRef(255, 255, 255);
constexpr Argb kTextColor{0xFF000000};

// The four sides of a ring of that width round the rectangle, outside it.
void AddRing(std::vector<ui::FilledArea>& fills, const PixelRect& inner, int width, ColorRef color) {
    const PixelRect outer{inner.left - width, inner.top - width, inner.right + width, inner.bottom + width};
    fills.push_back({{outer.left, outer.top, outer.right, inner.top}, color});
    fills.push_back({{outer.left, inner.bottom, outer.right, outer.bottom}, color});
    fills.push_back({{outer.left, inner.top, inner.left, inner.bottom}, color});
    fills.push_back({{inner.right, inner.top, outer.right, inner.bottom}, color});
}

PixelRect Moved(const PixelRect& rect, int dx, int dy) {
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

} // namespace

// A pop-up of its own: no caption, no taskbar button (owned, a tool window), never activated,
// and transparent to the mouse, which the waiting picker holds anyway.
bool LoupeWindow::Make() {
    if (Hwnd())
        return true;
    return Create(nullptr, nullptr, WS_POPUP, RECT{0, 0, 1, 1}, owner, 0,
                  WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST | WS_EX_TRANSPARENT);
}

void LoupeWindow::Follow(PixelPoint at, const Look& look) {
    if (!Make())
        return;
    pointer = at;
    shownLook = look;
    const HMONITOR monitor = MonitorFromPoint(win::ToPOINT(at), MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{sizeof(info)};
    if (!GetMonitorInfoW(monitor, &info))
        return;
    dpi = win::MonitorDpi(monitor);
    view = LoupeViewAround(at, dpi, look.factor);
    const int padding = ScaleToDpi(kLoupePadding, dpi);
    const int width = view.side + 2 * padding;
    const int height = view.side + 3 * padding + kTextLines * ScaleToDpi(kLineHeight, dpi);
    const PixelRect shown = view.source;
    const PixelRect keepClear =
        look.keepClear.IsEmpty()
            ? shown
            : PixelRect{std::min(shown.left, look.keepClear.left), std::min(shown.top, look.keepClear.top),
                        std::max(shown.right, look.keepClear.right),
                        std::max(shown.bottom, look.keepClear.bottom)};
    const PixelRect place = LoupePlace(at, width, height, keepClear, win::ToPixelRect(info.rcMonitor),
                                       ScaleToDpi(kLoupeGap, dpi));
    const bool wasShown = IsShown();
    SetWindowPos(Hwnd(), HWND_TOPMOST, place.left, place.top, place.Width(), place.Height(),
                 SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_SHOWWINDOW);
    if (!FitCanvasToClient() && !canvas)
        CreateCanvas();
    Refresh();
    if (!wasShown) {
        atLastTick = announced = at;
        SetTimer(Hwnd(), kRefreshTimer, kRefreshMs, nullptr);
    }
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
    if (!capture.area.IsEmpty() && !CopyScreenArea(capture.area, capture))
        capture = ScreenArea{};
    const Argb mean = MeanColor(capture, SampleSquare(pointer, shownLook.sampleSide));
    text = LoupeText(shownLook.notation, ToColorRef(mean), pointer);
    CanvasChanged();
}

// The picture is read anew every tick; once the pointer has stayed a tick on another pixel than
// the one last announced, screen readers are told the new name.
void LoupeWindow::OnTimer() {
    Refresh();
    if (pointer == atLastTick && !(pointer == announced)) {
        announced = pointer;
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Hwnd(), OBJID_CLIENT, CHILDID_SELF);
    }
    atLastTick = pointer;
}

void LoupeWindow::DrawCanvas() {
    const auto width = static_cast<int>(canvas->GetWidth());
    const auto height = static_cast<int>(canvas->GetHeight());
    const int padding = ScaleToDpi(kLoupePadding, dpi);
    const PixelRect square{padding, padding, padding + view.side, padding + view.side};
    ui::FillAreas(canvas.get(), {{{0, 0, width, height}, kBorderColor},
                                 {{1, 1, width - 1, height - 1}, kFaceColor},
                                 {square, kBorderColor}});
    const ZoomView zoom = view.AsZoomView();
    if (!picture || static_cast<int>(picture->GetWidth()) != zoom.width)
        picture = ui::MakeCanvas(zoom.width, zoom.height);
    if (picture) {
        ui::WritePixels(picture.get(), Magnify(capture, zoom));
        Gdiplus::Graphics graphics(canvas.get());
        ui::DrawPicture(graphics, picture.get(), padding + view.margin, padding + view.margin);
        const Gdiplus::Font font(L"Arial", static_cast<float>(ScaleToDpi(kTextSize, dpi)),
                                 Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
        const Gdiplus::SolidBrush brush(win::ToGdiplusColor(kTextColor));
        Gdiplus::StringFormat format;
        format.SetAlignment(Gdiplus::StringAlignmentCenter);
        const Gdiplus::RectF lines(0.0f, static_cast<float>(square.bottom + padding),
                                   static_cast<float>(width),
                                   static_cast<float>(height - square.bottom - padding));
        graphics.DrawString(text.c_str(), -1, &font, lines, &format, &brush);
    }
    // The rings lie outside the framed square, over the neighbours' edges: the colour inside stays whole.
    const int ring = ScaleToDpi(kLoupeRing, dpi);
    const PixelRect framed = Moved(FramedSquare(view, shownLook.sampleSide), padding, padding);
    std::vector<ui::FilledArea> rings;
    AddRing(rings, framed, ring, kDarkRing);
    AddRing(rings,
            PixelRect{framed.left - ring, framed.top - ring, framed.right + ring, framed.bottom + ring}, ring,
            kLightRing);
    ui::FillAreas(canvas.get(), rings);
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
    case WM_GETOBJECT:
        return OnGetObject(wParam, lParam);
    }
    return CanvasWindow::HandleMessage(message, wParam, lParam);
}

// Its name is what it shows, the two lines as one.
win::AccessibleFacts LoupeWindow::DescribeAccessible(long item) const {
    win::AccessibleFacts facts = CanvasWindow::DescribeAccessible(item);
    facts.name = text;
    if (const size_t lineEnd = facts.name.find(L'\n'); lineEnd != std::wstring::npos)
        facts.name.replace(lineEnd, 1, L", ");
    return facts;
}
