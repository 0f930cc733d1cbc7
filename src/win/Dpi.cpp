#include "Dpi.h"

#include "Handles.h"

namespace win {
namespace {

template <typename Function> Function* User32Function(const char* name) {
    return reinterpret_cast<Function*>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

// SetDialogDpiChangeBehavior's flag that turns off its resizing, relayout and font changes.
constexpr int kDialogDpiChangeDisableAll = 1;

} // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT WINAPI(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow && window)
        if (const UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    const WindowDc screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : kBaseDpi;
    return dpi > 0 ? dpi : kBaseDpi;
}

void KeepDialogScalingToOurselves(HWND dialog) {
    using SetDialogDpiChangeBehaviorFunction = BOOL WINAPI(HWND, int, int);
    static const auto setBehavior =
        User32Function<SetDialogDpiChangeBehaviorFunction>("SetDialogDpiChangeBehavior");
    if (setBehavior)
        setBehavior(dialog, kDialogDpiChangeDisableAll, kDialogDpiChangeDisableAll);
}

} // namespace win
