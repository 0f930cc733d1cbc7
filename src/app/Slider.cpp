#include "Slider.h"

#include "../core/PrivateMessages.h"

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
    }
    return DefaultProc(message, wParam, lParam);
}

void CSlider::NotifyParent() const {
    PostMessageW(GetParent(Hwnd()), WM_SLIDER_MOVED, static_cast<WPARAM>(ControlId()), 0);
}
