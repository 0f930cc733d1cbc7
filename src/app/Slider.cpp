#include "Slider.h"

#include "../win/PrivateMessages.h"

#include <oleacc.h>

#include <string>

LRESULT CSlider::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        AttachPositionTip(); // before the trackbar shows it for this press
        dragging = true;
        SetCapture(Hwnd());
        NotifyParent();
        SetFocus(Hwnd());
        break;
    case WM_MOUSEMOVE:
        if (dragging)
            NotifyParent();
        break;
    case WM_LBUTTONUP:
        dragging = false;
        ReleaseCapture();
        break;
    case WM_GETOBJECT:
        return OnGetObject(wParam, lParam);
    }
    return DefaultProc(message, wParam, lParam);
}

// The system's own trackbar object says the same; Wine's gives neither role nor value.
win::AccessibleFacts CSlider::DescribeAccessible(long) const {
    win::AccessibleFacts facts;
    facts.role = ROLE_SYSTEM_SLIDER;
    facts.value = std::to_wstring(GetPos());
    return facts;
}

void CSlider::NotifyParent() const {
    PostMessageW(GetParent(Hwnd()), WM_SLIDER_MOVED, static_cast<WPARAM>(ControlId()), 0);
}
