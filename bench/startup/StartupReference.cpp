// The yardstick for Tintra's start-up: an empty dialog of the main window's size and font,
// started as Tintra starts (common controls, GDI+) and closed as it closes.
//   startup_reference [LABELS]
// With LABELS the dialog holds that many plain static labels as well: what so many child
// windows cost by themselves, whatever they draw.
#include "../../src/win/Gdiplus.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

namespace {

constexpr int kEmptyDialog = 1;
constexpr int kMaxLabels = 400;
constexpr int kLabelColumns = 4;

// In a grid over the client area, in the dialog's font, as a dialog template would make them.
void AddLabels(HWND dialog, int count) {
    if (count <= 0)
        return;
    RECT client;
    GetClientRect(dialog, &client);
    const auto font = static_cast<WPARAM>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    const int rows = (count + kLabelColumns - 1) / kLabelColumns;
    const int width = client.right / kLabelColumns;
    const int height = std::max(1, static_cast<int>(client.bottom) / rows);
    for (int i = 0; i < count; ++i) {
        const HWND label = CreateWindowExW(0, L"STATIC", L"Label", WS_CHILD | WS_VISIBLE | SS_LEFT,
                                           (i % kLabelColumns) * width, (i / kLabelColumns) * height, width,
                                           height, dialog, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(label, WM_SETFONT, font, FALSE);
    }
}

INT_PTR CALLBACK EmptyDialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        AddLabels(dialog, static_cast<int>(lParam));
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int) {
    const int labels = std::clamp(static_cast<int>(std::wcstol(commandLine, nullptr, 10)), 0, kMaxLabels);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const win::GdiplusSession gdiplus;
    DialogBoxParamW(instance, MAKEINTRESOURCEW(kEmptyDialog), nullptr, EmptyDialogProc, labels);
    return 0;
}
