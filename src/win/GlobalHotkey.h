#pragma once
#include <windows.h>

namespace win {

// One system-wide key, taken with the system's hotkey registration (no keyboard hook, so no other
// key anywhere is touched) and given back when the owner lets it go or is destroyed. Keys are
// written as the hotkey control writes them: the virtual key in the low byte, its HOTKEYF_
// modifiers in the next; 0 is no key.
class GlobalHotkey {
  public:
    explicit GlobalHotkey(int hotkeyId) : id(hotkeyId) {}
    GlobalHotkey(const GlobalHotkey&) = delete;
    GlobalHotkey& operator=(const GlobalHotkey&) = delete;
    ~GlobalHotkey() { Release(); }

    // WM_HOTKEY with this id goes to the window from now on; false when another program holds
    // the key, and the program works on without it. No key always succeeds.
    bool Take(HWND window, int key);
    void Release();
    // Whether a program other than this one holds the key: it is tried, and given back at once.
    static bool IsHeldElsewhere(HWND window, int key);

  private:
    int id;
    HWND holder = nullptr;
};

} // namespace win
