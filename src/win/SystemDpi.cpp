#include "SystemDpi.h"

#include "Handles.h"
#include "LateBound.h"

namespace win {
namespace {

// SetDialogDpiChangeBehavior's flag that turns off its resizing, relayout and font changes.
constexpr int kDialogDpiChangeDisableAll = 1;

// MDT_EFFECTIVE_DPI of GetDpiForMonitor.
constexpr int kEffectiveDpi = 0;

int SystemDpi() {
    const WindowDc screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : kBaseDpi;
    return dpi > 0 ? dpi : kBaseDpi;
}

} // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT WINAPI(HWND);
    static const auto getDpiForWindow =
        LateBoundFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow && window)
        if (const UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    return SystemDpi();
}

int MonitorDpi(HMONITOR monitor) {
    using GetDpiForMonitorFunction = HRESULT WINAPI(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor =
        LateBoundFunction<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor");
    UINT dpiX = 0, dpiY = 0;
    if (getDpiForMonitor && monitor && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &dpiX, &dpiY)) &&
        dpiX)
        return static_cast<int>(dpiX);
    return SystemDpi();
}

void KeepDialogScalingToOurselves(HWND dialog) {
    using SetDialogDpiChangeBehaviorFunction = BOOL WINAPI(HWND, int, int);
    static const auto setBehavior =
        LateBoundFunction<SetDialogDpiChangeBehaviorFunction>(L"user32.dll", "SetDialogDpiChangeBehavior");
    if (setBehavior)
        setBehavior(dialog, kDialogDpiChangeDisableAll, kDialogDpiChangeDisableAll);
}

} // namespace win
