#include "GlobalHotkey.h"

#include <commctrl.h>

namespace win {
namespace {

// Any id of a program's own below 0xC000 will do; this one only tries a key.
constexpr int kTrialId = 0xBFFF;

UINT Modifiers(int key) {
    const int flags = (key >> 8) & 0xFF;
    UINT modifiers = MOD_NOREPEAT; // a held key starts or ends the picker once
    if (flags & HOTKEYF_SHIFT)
        modifiers |= MOD_SHIFT;
    if (flags & HOTKEYF_CONTROL)
        modifiers |= MOD_CONTROL;
    if (flags & HOTKEYF_ALT)
        modifiers |= MOD_ALT;
    return modifiers;
}

UINT VirtualKey(int key) {
    return static_cast<UINT>(key & 0xFF);
}

} // namespace

bool GlobalHotkey::Take(HWND window, int key) {
    Release();
    if (VirtualKey(key) == 0)
        return true;
    if (!RegisterHotKey(window, id, Modifiers(key), VirtualKey(key)))
        return false;
    holder = window;
    return true;
}

void GlobalHotkey::Release() {
    if (holder)
        UnregisterHotKey(holder, id);
    holder = nullptr;
}

bool GlobalHotkey::IsHeldElsewhere(HWND window, int key) {
    if (VirtualKey(key) == 0)
        return false;
    if (!RegisterHotKey(window, kTrialId, Modifiers(key), VirtualKey(key)))
        return true;
    UnregisterHotKey(window, kTrialId);
    return false;
}

} // namespace win
