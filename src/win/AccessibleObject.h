#pragma once
#include "Window.h"

namespace win {

// IAccessible, spelled out: linked statically, MinGW's import library resolves IID_IAccessible
// to the address of a thunk, and every QueryInterface against it then fails.
inline constexpr IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// The answer to WM_GETOBJECT for the window's client area: the system's own accessible object
// for the window, told over by what the window describes of itself (Window::DescribeAccessible).
// 0 for every other object, and where the accessibility library cannot be loaded: the default
// handling then answers.
LRESULT AnswerGetObject(const Window& window, WPARAM wParam, LPARAM lParam);

} // namespace win
