#pragma once
// The screen's DPI as a per-monitor aware program sees it. The calls are looked up at run time,
// so the program still starts on systems that lack them and then works at the system's DPI.
#include "../logic/DpiScaling.h"

#include <windows.h>

namespace win {

// The DPI of the window's monitor; the system's without per-monitor support.
int WindowDpi(HWND window);
// The DPI of the monitor; the system's without per-monitor support.
int MonitorDpi(HMONITOR monitor);
// Keeps the dialog manager from scaling the dialog at a DPI change: it knows only the
// template's controls, and the dialog lays out all of its children itself.
void KeepDialogScalingToOurselves(HWND dialog);

} // namespace win
