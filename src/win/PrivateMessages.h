#pragma once
#include <windows.h>

// Children post these to their parent, never send them; lParam is always 0.
constexpr UINT WM_PANEL_COMMAND = 0x9B59;   // wParam: command 1..8
constexpr UINT WM_SLIDER_MOVED = 0xA2F7;    // wParam: the slider's control id
constexpr UINT WM_PANE_SELECTED = 0xA654;   // wParam: 0
constexpr UINT WM_PANE_KEYDOWN = 0xA655;    // wParam: virtual-key code, with kRepeatedKey for auto-repeat
constexpr UINT WM_PANE_COLLECTED = 0xA656;  // wParam: the pane a colour went to, the next one active
constexpr UINT WM_COLOR_PICKED = 0xA657;    // wParam: the ColorRef a picker or the magnified view took
constexpr UINT WM_CHECK_CLICKED = 0x8BBA;   // wParam: the check's control id
constexpr UINT WM_NOTATION_MARKED = 0x8BBB; // wParam: 0; a click on a mark chose a notation

// In WM_PANE_KEYDOWN: the key was down already, as the key-down's lParam says in bit 30.
constexpr WPARAM kRepeatedKey = 0x10000;
constexpr WPARAM kVirtualKeyMask = 0xFFFF;

inline bool IsRepeatedKeyDown(LPARAM keyDownInfo) {
    return (keyDownInfo & 0x40000000) != 0;
}
