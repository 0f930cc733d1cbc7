#include "CheckCtrl.h"

#include "../core/PrivateMessages.h"
#include "../ui/Pictures.h"

#include <windowsx.h>

namespace {

constexpr INT kInsetFraction = 5;

} // namespace

bool CheckCtrl::Create(LPCWSTR className, DWORD style, const RECT& rect, HWND parent, UINT id, int toggle) {
    toggleMode = toggle;
    return Window::Create(className, nullptr, style, rect, parent, id);
}

void CheckCtrl::SetCheck(bool check) {
    checked = check ? 1 : 0;
    CanvasChanged();
}

LRESULT CheckCtrl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (DefaultProc(message, wParam, lParam) == -1)
            return -1;
        GetClientRect(Hwnd(), &clientRect);
        CreateCanvas();
        return 0;
    case WM_SIZE:
        GetClientRect(Hwnd(), &clientRect);
        FitCanvasToClient();
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    }
    return CanvasWindow::HandleMessage(message, wParam, lParam);
}

void CheckCtrl::DrawCanvas() {
    const INT w = clientRect.right, h = clientRect.bottom;
    Gdiplus::Graphics graphics(canvas.get());
    Gdiplus::SolidBrush background{Gdiplus::Color(backgroundColor)};
    graphics.FillRectangle(&background, 0, 0, w, h);
    ui::DrawFrame(graphics, markColor, w, h);
    if (checked) {
        Gdiplus::SolidBrush mark{Gdiplus::Color(markColor)};
        // Two pixels in from each side in a mark of ten, more in a larger one.
        const INT inset = w / kInsetFraction;
        graphics.FillRectangle(&mark, inset, inset, w - 2 * inset, h - 2 * inset);
    }
}

void CheckCtrl::OnLButtonDown(POINT point) {
    if (!PtInRect(&clientRect, point))
        return;
    checked = toggleMode ? !checked : 1;
    CanvasChanged();
    PostMessageW(GetParent(Hwnd()), WM_CHECK_CLICKED, static_cast<WPARAM>(ControlId()), 0);
}
