#include "CheckCtrl.h"

#include "../ui/Pictures.h"
#include "../win/Colors.h"
#include "../win/PrivateMessages.h"

#include <oleacc.h>
#include <windowsx.h>

namespace {

constexpr INT kInsetFraction = 5;

} // namespace

bool CheckCtrl::Create(LPCWSTR name, DWORD style, const RECT& rect, HWND parent, UINT id, int toggle) {
    toggleMode = toggle;
    return Window::Create(nullptr, name, style, rect, parent, id);
}

void CheckCtrl::SetCheck(bool check) {
    ChangeCheck(check ? 1 : 0);
}

void CheckCtrl::ChangeCheck(int check) {
    const bool changed = check != checked;
    checked = check;
    CanvasChanged();
    if (changed)
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, Hwnd(), OBJID_CLIENT, CHILDID_SELF);
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
    case WM_GETOBJECT:
        return OnGetObject(wParam, lParam);
    }
    return CanvasWindow::HandleMessage(message, wParam, lParam);
}

win::AccessibleFacts CheckCtrl::DescribeAccessible(long) const {
    win::AccessibleFacts facts;
    facts.role = toggleMode ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_RADIOBUTTON;
    facts.state = checked ? STATE_SYSTEM_CHECKED : 0;
    return facts;
}

// The mark lies inside the frame, so both fills may come before it.
void CheckCtrl::DrawCanvas() {
    const INT width = clientRect.right, height = clientRect.bottom;
    std::vector<ui::FilledArea> fills{{PixelRect{0, 0, width, height}, ToColorRef(backgroundColor)}};
    if (checked) {
        // Two pixels in from each side in a mark of ten, more in a larger one.
        const INT inset = width / kInsetFraction;
        fills.push_back({PixelRect{inset, inset, width - inset, height - inset}, ToColorRef(markColor)});
    }
    ui::FillAreas(canvas.get(), fills);
    Gdiplus::Graphics graphics(canvas.get());
    ui::DrawFrame(graphics, markColor, width, height);
}

void CheckCtrl::OnLButtonDown(POINT point) {
    if (!PtInRect(&clientRect, point))
        return;
    ChangeCheck(toggleMode ? !checked : 1);
    PostMessageW(GetParent(Hwnd()), WM_CHECK_CLICKED, static_cast<WPARAM>(ControlId()), 0);
}
