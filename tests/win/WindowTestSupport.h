#pragma once
#include "win/Colors.h"
#include "win/Dialog.h"

#include <windows.h>

#include <functional>
#include <utility>

// Pumps this thread's messages until the condition holds or the time runs out.
inline bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// The object bound to a window of the framework.
template <typename T> T* ObjectOf(HWND window) {
    return static_cast<T*>(win::Window::FromHandle(window));
}

// A pixel of a GDI+ picture, as ARGB.
inline Argb PixelOf(Gdiplus::Bitmap& bitmap, int x, int y) {
    Gdiplus::Color color;
    bitmap.GetPixel(x, y, &color);
    return win::ToArgb(color);
}

// Handles every message still queued for this thread.
inline void PumpPending() {
    PumpUntil([] { return true; }, 0);
}

// What a window answers to a WM_CTLCOLOR... message for one of its controls: the colour of the
// brush it returns (CLR_INVALID for none), and the background and text colours it leaves in the
// device context, each of which starts as RGB(1, 2, 3).
struct ControlColors {
    COLORREF brush, background, text;
};
inline ControlColors AskControlColors(HWND window, UINT message, HWND control) {
    const HDC dc = CreateCompatibleDC(nullptr);
    SetBkColor(dc, RGB(1, 2, 3));
    SetTextColor(dc, RGB(1, 2, 3));
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(window, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    LOGBRUSH logBrush{};
    const ControlColors colors{GetObjectW(brush, sizeof(logBrush), &logBrush) ? logBrush.lbColor
                                                                              : CLR_INVALID,
                               GetBkColor(dc), GetTextColor(dc)};
    DeleteDC(dc);
    return colors;
}

// What RunModalThen runs after the next WM_INITDIALOG. (An inline thread_local would be
// defined once per test file by MinGW.)
inline std::function<void(HWND)>& OnInitDialog() {
    static std::function<void(HWND)> action;
    return action;
}

// Runs the dialog modally; `posts` runs right after WM_INITDIALOG, so that what it posts
// goes through the dialog's own loop.
inline INT_PTR RunModalThen(win::Dialog& dialog, HWND owner, std::function<void(HWND)> posts) {
    OnInitDialog() = std::move(posts);
    HHOOK hook = SetWindowsHookExW(
        WH_CALLWNDPROCRET,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const auto* info = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
            if (code == HC_ACTION && info->message == WM_INITDIALOG && OnInitDialog())
                std::exchange(OnInitDialog(), nullptr)(info->hwnd);
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    const INT_PTR result = dialog.RunModal(owner);
    UnhookWindowsHookEx(hook);
    return result;
}
