#include "ColorDisplay.h"

#include "../../res/resource.h"
#include "../core/PrivateMessages.h"
#include "../ui/Pictures.h"

#include <windowsx.h>

#include <array>

namespace {

constexpr Argb kActivePaneColor = 0xFFDE0000;
constexpr Argb kPaneOutlineColor = 0xFF323232;
constexpr Argb kNewPaneColor = 0xFFFFFFFF;
constexpr Argb kBlack = 0xFF000000;
constexpr float kActivePenWidth = 2.0f;
constexpr float kFramePenWidth = 4.0f;

} // namespace

CColorDisplay::CColorDisplay()
    : eyedropperCursor(static_cast<HCURSOR>(LoadImageW(
          GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_EYEDROPPER), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE))) {
}

void CColorDisplay::SetPaneCount(int count) {
    paneCount = count;
    RebuildPanes();
    Redraw();
}

// Keeps the colours of the first panes, starts new panes white and makes pane 0 active.
void CColorDisplay::RebuildPanes() {
    std::array<Argb, kMaxPanes> kept;
    kept.fill(kNewPaneColor);
    for (size_t i = 0; i < panes.size() && i < kept.size(); ++i)
        kept[i] = panes[i].color;
    RECT client;
    GetClientRect(Hwnd(), &client);
    panes.clear();
    for (const PaneRect& rect : LayoutPanes(paneCount, client.right, client.bottom))
        panes.push_back({RECT{rect.left, rect.top, rect.right, rect.bottom}, kNewPaneColor, panes.empty()});
    for (size_t i = 0; i < panes.size(); ++i)
        panes[i].color = kept[i];
}

int CColorDisplay::GetActivePane() const {
    for (size_t i = 0; i < panes.size(); ++i)
        if (panes[i].active)
            return static_cast<int>(i);
    return 0;
}

void CColorDisplay::SetActivePane(int index) {
    if (!IsPane(index))
        return;
    for (size_t i = 0; i < panes.size(); ++i)
        panes[i].active = static_cast<int>(i) == index;
    Redraw();
}

Argb CColorDisplay::GetPaneColor(int index) const {
    return IsPane(index) ? panes[static_cast<size_t>(index)].color : kBlack;
}

void CColorDisplay::SetPaneColor(int index, Argb color) {
    if (!IsPane(index))
        return;
    panes[static_cast<size_t>(index)].color = color;
    Redraw();
}

void CColorDisplay::CancelZoom() {
    zoomMode = false;
    Redraw();
}

void CColorDisplay::Redraw() {
    CanvasChanged();
}

void CColorDisplay::Render() {
    Gdiplus::Graphics graphics(canvas.get());
    const auto width = static_cast<INT>(canvas->GetWidth());
    const auto height = static_cast<INT>(canvas->GetHeight());
    Gdiplus::SolidBrush background{Gdiplus::Color(zoomMode ? 0xFFFFFFFF : backgroundColor)};
    graphics.FillRectangle(&background, 0, 0, width, height);
    if (!zoomMode) {
        Gdiplus::Pen activePen(Gdiplus::Color(kActivePaneColor), kActivePenWidth);
        Gdiplus::Pen outlinePen(Gdiplus::Color(kPaneOutlineColor), 1.0f);
        for (const Pane& pane : panes) {
            const Gdiplus::Rect rect(pane.rect.left, pane.rect.top, pane.rect.right - pane.rect.left,
                                     pane.rect.bottom - pane.rect.top);
            Gdiplus::SolidBrush fill{Gdiplus::Color(pane.color)};
            graphics.FillRectangle(&fill, rect);
            graphics.DrawRectangle(pane.active ? &activePen : &outlinePen, rect);
        }
    }
    Gdiplus::Pen framePen(Gdiplus::Color(frameColor), kFramePenWidth);
    graphics.DrawRectangle(&framePen, 0, 0, width, height);
}

LRESULT CColorDisplay::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (DefaultProc(message, wParam, lParam) == -1)
            return -1;
        CreateCanvas();
        RebuildPanes();
        Redraw();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        Redraw();
        return result;
    }
    case WM_LBUTTONDOWN:
        OnLButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case WM_SETCURSOR:
        SetCursor(zoomMode && eyedropperCursor ? eyedropperCursor.get() : LoadCursorW(nullptr, IDC_ARROW));
        return FALSE;
    }
    return CanvasWindow::HandleMessage(message, wParam, lParam);
}

void CColorDisplay::OnLButtonDown(POINT point) {
    for (Pane& pane : panes) {
        if (PtInRect(&pane.rect, point)) {
            for (Pane& other : panes)
                other.active = &other == &pane;
            break;
        }
    }
    Redraw();
    PostToParent(WM_PANE_SELECTED, 0);
    SetFocus(Hwnd());
}

BOOL CColorDisplay::PreTranslateMessage(MSG* msg) {
    if (msg->message != WM_KEYDOWN)
        return FALSE;
    switch (msg->wParam) {
    case VK_LEFT:
        OnArrowKey(GridMove::Left);
        break;
    case VK_UP:
        OnArrowKey(GridMove::Up);
        break;
    case VK_RIGHT:
        OnArrowKey(GridMove::Right);
        break;
    case VK_DOWN:
        OnArrowKey(GridMove::Down);
        break;
    default:
        PostToParent(WM_PANE_KEYDOWN, msg->wParam);
        break;
    }
    // Neither translated nor dispatched: no WM_CHAR, and no dialog navigation.
    return TRUE;
}

void CColorDisplay::OnArrowKey(GridMove move) {
    const int target = MoveInGrid(paneCount, GetActivePane(), move);
    if (IsPane(target))
        SetActivePane(target);
    PostToParent(WM_PANE_SELECTED, 0);
}

void CColorDisplay::PostToParent(UINT message, WPARAM wParam) const {
    PostMessageW(GetParent(Hwnd()), message, wParam, 0);
}
