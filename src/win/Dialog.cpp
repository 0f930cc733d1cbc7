#include "Dialog.h"

#include <algorithm>

namespace win {
namespace {

// The object's own window procedure answers first; the dialog manager gets the rest.
INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// Where a span of `size` centred on `centre` starts, moved inside [low, high) as far as it fits.
int CentredStart(int centre, int size, LONG low, LONG high) {
    return std::max(static_cast<int>(low), std::min(centre - size / 2, static_cast<int>(high) - size));
}

// Centres the window over another, kept inside the work area of that window's monitor.
void CenterOver(HWND window, HWND over) {
    RECT self, target;
    GetWindowRect(window, &self);
    GetWindowRect(over, &target);
    MONITORINFO monitor{sizeof(monitor)};
    GetMonitorInfoW(MonitorFromWindow(over, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int x =
        CentredStart((target.left + target.right) / 2, self.right - self.left, work.left, work.right);
    const int y =
        CentredStart((target.top + target.bottom) / 2, self.bottom - self.top, work.top, work.bottom);
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

Dialog::Dialog(UINT id) : templateId(id) {}

bool Dialog::CreateFromTemplate(HWND parent) {
    CreationHook hook(*this);
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), parent, NoDialogProc,
                              0) != nullptr;
}

bool Dialog::CreateModeless(HWND parent) {
    return CreateFromTemplate(parent);
}

INT_PTR Dialog::RunModal(HWND owner) {
    if (!CreateFromTemplate(owner))
        return -1;
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner)
        EnableWindow(owner, FALSE);
    if (owner)
        CenterOver(Hwnd(), owner);
    ShowWindow(Hwnd(), SW_SHOW);

    inModalLoop = true;
    MSG msg;
    while (inModalLoop) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Leave the quit for the outer loop that has to end too.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        if (!PreTranslateChain(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    inModalLoop = false;

    // Enable the owner before the dialog goes, or activation jumps to another program.
    if (disableOwner) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    DestroyWindow(Hwnd());
    return modalResult;
}

bool Dialog::PreTranslateChain(MSG& msg) {
    for (HWND window = msg.hwnd; window && window != Hwnd(); window = GetParent(window)) {
        if (Window* target = FromHandle(window); target && target->PreTranslateMessage(&msg))
            return true;
    }
    if (PreTranslateMessage(&msg))
        return true;
    return IsDialogMessageW(Hwnd(), &msg) != FALSE;
}

void Dialog::EndModal(INT_PTR result) {
    modalResult = result;
    inModalLoop = false;
    // A sent WM_CLOSE is handled inside GetMessage, which would otherwise wait for the next posted message.
    PostMessageW(Hwnd(), WM_NULL, 0, 0);
}

LRESULT Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        DoDataExchange();
        return OnInitDialog();
    case WM_CLOSE:
        EndModal(IDCANCEL);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
            EndModal(LOWORD(wParam));
            return 0;
        }
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

} // namespace win
