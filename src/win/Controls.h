#pragma once
// Thin wrappers over the standard and common controls the program uses.
#include "Window.h"

#include <commctrl.h>

#include <string>

namespace win {

std::wstring WindowText(HWND window);

class Trackbar : public Window {
  public:
    void SetRange(int minimum, int maximum, bool redraw) const {
        SendMessageW(Hwnd(), TBM_SETRANGEMIN, FALSE, minimum);
        SendMessageW(Hwnd(), TBM_SETRANGEMAX, redraw, maximum);
    }
    // The trackbar puts a position outside its range at the nearer end.
    void SetPos(int position) const { SendMessageW(Hwnd(), TBM_SETPOS, TRUE, position); }
    int GetPos() const { return static_cast<int>(SendMessageW(Hwnd(), TBM_GETPOS, 0, 0)); }
};

class StaticText : public Window {
  public:
    void SetText(const std::wstring& text) const { SetWindowTextW(Hwnd(), text.c_str()); }
    std::wstring Text() const { return WindowText(Hwnd()); }
};

// A push button, check box or radio button; its caption is its window text, as a label's is.
class Button : public StaticText {
  public:
    bool IsChecked() const { return SendMessageW(Hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetChecked(bool checked) const {
        SendMessageW(Hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
};

class ToolTip : public Window {
  public:
    bool Create(HWND parent, DWORD style) {
        return Window::Create(TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, RECT{}, parent, 0);
    }
    // The tool is a child window, identified by its handle; its parent relays its mouse messages.
    void AddTool(HWND tool, const std::wstring& text) const {
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.uFlags = TTF_IDISHWND;
        info.hwnd = GetParent(tool);
        info.uId = reinterpret_cast<UINT_PTR>(tool);
        info.lpszText = const_cast<LPWSTR>(text.c_str());
        SendMessageW(Hwnd(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
    void RelayEvent(MSG* msg) const {
        if (Hwnd())
            SendMessageW(Hwnd(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
    }
};

class ComboBox : public Window {
  public:
    int AddString(const std::wstring& text) const {
        return static_cast<int>(
            SendMessageW(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void SetCurSel(int index) const { SendMessageW(Hwnd(), CB_SETCURSEL, index, 0); }
    int GetCurSel() const { return static_cast<int>(SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0)); }
};

inline std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace win
