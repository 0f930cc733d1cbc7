#include "SystemDpi.h"

#include "Handles.h"
#include "LateBound.h"

namespace win {
namespace {

// SetDialogDpiChangeBehavior's flag that turns off its resizing, relayout and font changes.
constexpr int kDialogDpiChangeDisableAll = 1;

} // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT WINAPI(HWND);
    static const auto getDpiForWindow =
        LateBoundFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
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
        LateBoundFunction<SetDialogDpiChangeBehaviorFunction>(L"user32.dll", "SetDialogDpiChangeBehavior");
    if (setBehavior)
        setBehavior(dialog, kDialogDpiChangeDisableAll, kDialogDpiChangeDisableAll);
}

} // namespace win
