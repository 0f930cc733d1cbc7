// The yardstick for Tintra's start-up: an empty dialog of the main window's size and font,
// started as Tintra starts (common controls, GDI+) and closed as it closes.
#include "../../src/win/Gdiplus.h"

#include <commctrl.h>

namespace {

constexpr int kEmptyDialog = 1;

INT_PTR CALLBACK EmptyDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const win::GdiplusSession gdiplus;
    DialogBoxParamW(instance, MAKEINTRESOURCEW(kEmptyDialog), nullptr, EmptyDialogProc, 0);
    return 0;
}
