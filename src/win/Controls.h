#pragma once
// Thin wrappers over the standard and common controls the program uses.
#include "Window.h"

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

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
    // The tip that shows the position while the thumb is dragged, as TBS_TOOLTIPS makes it but
    // only when first needed: each is a pop-up window, costly to make at start-up. It has no
    // owner, so that an always-on-top main window stays in that band under Wine; the trackbar
    // destroys it with itself.
    void AttachPositionTip() const {
        if (SendMessageW(Hwnd(), TBM_GETTOOLTIPS, 0, 0))
            return;
        const HWND tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                         CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        if (!tip)
            return;
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
        tool.hwnd = Hwnd();
        tool.lpszText = const_cast<LPWSTR>(L"");
        SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(Hwnd(), TBM_SETTOOLTIPS, reinterpret_cast<WPARAM>(tip), 0);
    }
};

class StaticText : public Window {
  public:
    // Only a new text: under Wine setting one is a round trip to the window system, and most
    // texts set at start-up (the channel letters, a colour's zeros) are the template's already.
    void SetText(const std::wstring& text) const {
        if (text != Text())
            SetWindowTextW(Hwnd(), text.c_str());
    }
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

// A tip shows only once the pointer has moved over a tool, so the control is made then, with
// its tools, and not with its owner: a pop-up window is costly to make at start-up. It is made
// without an owner window: tips show on top by themselves, and an owned pop-up would keep an
// always-on-top owner out of that band under Wine.
class ToolTip : public Window {
  public:
    // Wider than any one-line tip of the program's at the base DPI.
    static constexpr int kDefaultMaxTipWidth = 400;

    void Create(DWORD style) { windowStyle = WS_POPUP | style; }
    // The tool is a child window, identified by its handle; its parent relays its mouse messages.
    void AddTool(HWND tool, const std::wstring& text) {
        if (Hwnd())
            Register(tool, text);
        else
            tools.emplace_back(tool, text);
    }
    // Tools that are areas of one window, numbered from 1, which relays its mouse messages. Their
    // text is asked of that window (WM_NOTIFY, TTN_GETDISPINFOW) each time a tip shows, so that
    // it tells the present state. Replaces the areas given before.
    void SetAreas(HWND window, std::vector<RECT> rects) {
        SendForAreas(TTM_DELTOOLW);
        areaWindow = window;
        areas = std::move(rects);
        SendForAreas(TTM_ADDTOOLW);
    }
    // A tip of an area on show asks for its text again and shows what it is told.
    void Update() const {
        if (!Hwnd())
            return;
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        if (SendMessageW(Hwnd(), TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&info)) &&
            info.hwnd == areaWindow) {
            info.lpszText = LPSTR_TEXTCALLBACKW;
            SendMessageW(Hwnd(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
        }
    }
    // Lines longer than that many pixels wrap between words. A bound the window system can measure
    // within: told of no real bound, it may cut the last word of a line of several.
    void SetMaxTipWidth(int pixels) {
        maxTipWidth = pixels;
        if (Hwnd())
            SendMessageW(Hwnd(), TTM_SETMAXTIPWIDTH, 0, maxTipWidth);
    }
    // Wider by that many pixels, where it is: for TTN_SHOW, before the tip is first drawn.
    void Widen(int pixels) const {
        RECT frame;
        if (GetWindowRect(Hwnd(), &frame))
            SetWindowPos(Hwnd(), nullptr, 0, 0, frame.right - frame.left + pixels, frame.bottom - frame.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void RelayEvent(MSG* msg) {
        if (!Hwnd() && IsMouseMessage(msg->message) && !(tools.empty() && areas.empty()))
            MakeControl();
        if (Hwnd())
            SendMessageW(Hwnd(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
    }

  private:
    static bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }
    void MakeControl() {
        if (!Window::Create(TOOLTIPS_CLASSW, nullptr, windowStyle, RECT{}, nullptr, 0))
            return;
        SendMessageW(Hwnd(), TTM_SETMAXTIPWIDTH, 0, maxTipWidth);
        for (const auto& [tool, text] : tools)
            Register(tool, text);
        tools.clear();
        SendForAreas(TTM_ADDTOOLW);
    }
    void Register(HWND tool, const std::wstring& text) const {
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.uFlags = TTF_IDISHWND;
        info.hwnd = GetParent(tool);
        info.uId = reinterpret_cast<UINT_PTR>(tool);
        info.lpszText = const_cast<LPWSTR>(text.c_str());
        SendMessageW(Hwnd(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
    void SendForAreas(UINT message) const {
        if (!Hwnd())
            return;
        for (size_t i = 0; i < areas.size(); ++i) {
            TTTOOLINFOW info{};
            info.cbSize = sizeof(info);
            info.hwnd = areaWindow;
            info.uId = i + 1;
            info.rect = areas[i];
            info.lpszText = LPSTR_TEXTCALLBACKW;
            SendMessageW(Hwnd(), message, 0, reinterpret_cast<LPARAM>(&info));
        }
    }

    DWORD windowStyle = WS_POPUP;
    LPARAM maxTipWidth = kDefaultMaxTipWidth;
    std::vector<std::pair<HWND, std::wstring>> tools;
    HWND areaWindow = nullptr;
    std::vector<RECT> areas;
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

// The system's hotkey control; keys as it writes them (GlobalHotkey's form).
class HotkeyControl : public Window {
  public:
    void SetKey(int key) const { SendMessageW(Hwnd(), HKM_SETHOTKEY, static_cast<WPARAM>(key), 0); }
    int GetKey() const { return static_cast<int>(SendMessageW(Hwnd(), HKM_GETHOTKEY, 0, 0) & 0xFFFF); }
    // A key alone or with Shift alone would be taken from typing everywhere: Ctrl+Alt is added.
    void AskForModifiers() const {
        SendMessageW(Hwnd(), HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                     MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
    }
};

inline std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace win
