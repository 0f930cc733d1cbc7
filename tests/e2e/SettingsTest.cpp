// What the user set survives a restart, the end of a session, and start with Windows.
#include "Driver.h"
#include "logic/Theme.h"
#include "win/Colors.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace e2e;

constexpr COLORREF kMarkSet = RGB(0, 0, 0), kMarkClear = RGB(255, 255, 255);

// Six panes at 180 x 130: pane 1 is (91, 3)-(176, 42), pane 4 is (3, 88)-(89, 126).
constexpr POINT kPane1{130, 20}, kPane4{40, 105};
constexpr POINT kPane1Frame{91, 20}, kPane4Frame{3, 105};

// An entry an earlier version may have left for every user.
void StoreMachineEntry(REGSAM view) {
    const wchar_t old[] = L"C:\\old\\Tintra.exe";
    if (const win::RegKey key{OpenRunKey(HKEY_LOCAL_MACHINE, KEY_SET_VALUE | view, true)})
        RegSetValueExW(key.get(), L"Tintra", 0, REG_SZ, reinterpret_cast<const BYTE*>(old), sizeof(old));
}

bool IsTopmost(HWND window) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

class SettingsSurvive : public WithTintra<> {
  protected:
    void TearDown() override {
        WithTintra::TearDown();
        RemoveStartupEntries();
    }

    // Makes a pane active by a click, then gives it the colour of a point of the screen with
    // the colour picker: a theme's colour, known beforehand, since a pane's tooltip may lie over
    // the point until the picker starts.
    COLORREF ColourPane(POINT inside, POINT frame, HWND source, POINT at, ColorRef shown) {
        const HWND display = tintra.Control(IDC_COLOR_DISPLAY);
        EXPECT_TRUE(ClickFor(display, inside.x, inside.y, "the pane framed as the active one",
                             [&] { return ScreenPixel(display, frame.x, frame.y) == kActivePaneFrame; }));
        const COLORREF color = win::ToCOLORREF(shown);
        EXPECT_TRUE(ClickFor(tintra.PanelButton(IDC_BUTTON_PICKER), 14, 10, "the picker holding the mouse",
                             [&] { return tintra.HoldsMouse(); }));
        EXPECT_TRUE(ClickFor(source, at.x, at.y, "the pane taking the picked colour",
                             [&] { return ScreenPixel(display, inside.x, inside.y) == color; }));
        return color;
    }
};

TEST_F(SettingsSurvive, WhatTheUserSetIsShownAgainAfterARestart) {
    StoreSetting(L"theme", 2);
    StoreSetting(L"panes", 6);
    POINT moved{};
    COLORREF pane1 = 0, pane4 = 0;
    {
        ASSERT_TRUE(tintra.Start());
        const HWND main = tintra.MainWindow();
        // The dialog face and the information panel: two colours of theme 2. Pane 4 stays active.
        const ThemeColors theme = LookupTheme(2);
        pane1 = ColourPane(kPane1, kPane1Frame, main, POINT{195, 60}, theme.backgroundColor);
        pane4 = ColourPane(kPane4, kPane4Frame, tintra.InfoPanel(), POINT{60, 40}, theme.panelColor);
        PressKey('B'); // HSB
        EXPECT_TRUE(ScreenShows(GetDlgItem(tintra.InfoPanel(), IDC_CHECK_HSB), 4, 4, kMarkSet));
        for (int lock : {IDC_LOCK_RED, IDC_LOCK_BLUE}) {
            const HWND button = tintra.Control(lock);
            EXPECT_TRUE(ClickFor(button, 4, 5, "the padlock latched",
                                 [&] { return ScreenPixel(button, 2, 7) != kReleasedLockFace; }));
        }
        ASSERT_TRUE(IsTopmost(main));
        EXPECT_TRUE(ClickFor(tintra.PanelButton(IDC_BUTTON_TOPMOST), 14, 10,
                             "the window leaving the topmost band", [&] { return !IsTopmost(main); }));
        // Moved by its caption, as a person would; the move ends with the release, after which
        // the system's move loop lets go of the mouse.
        const PixelRect before = win::ScreenRect(main);
        const POINT grip{before.left + 60, before.top + 8};
        EXPECT_TRUE(DragFor(grip, POINT{grip.x + 120, grip.y + 70}, "the window moved and let go", [&] {
            return win::ScreenRect(main).left != before.left && !tintra.HoldsMouse();
        }));
        moved = POINT{win::ScreenRect(main).left, win::ScreenRect(main).top};
        EXPECT_EQ(tintra.CloseAndWait(), 0);
    }

    EXPECT_EQ(ReadSetting(L"theme"), 2);
    EXPECT_EQ(ReadSetting(L"panes"), 6);
    EXPECT_EQ(ReadSetting(L"active_pane"), 4);
    EXPECT_EQ(ReadSetting(L"color"), pane4);
    EXPECT_EQ(ReadSetting(L"color1"), 0);
    EXPECT_EQ(ReadSetting(L"color2"), pane1);
    EXPECT_EQ(ReadSetting(L"color5"), pane4);
    EXPECT_EQ(ReadSetting(L"color6"), 0);
    EXPECT_EQ(ReadSetting(L"color7"), -1); // six panes, six colours
    EXPECT_EQ(ReadSetting(L"format"), 3);
    EXPECT_EQ(ReadSetting(L"lock_red"), 1);
    EXPECT_EQ(ReadSetting(L"lock_green"), 0);
    EXPECT_EQ(ReadSetting(L"lock_blue"), 1);
    EXPECT_EQ(ReadSetting(L"topmost"), 0);
    EXPECT_EQ(static_cast<int>(ReadSetting(L"x")), moved.x);
    EXPECT_EQ(static_cast<int>(ReadSetting(L"y")), moved.y);
    EXPECT_EQ(ReadSetting(L"grid"), 1);
    EXPECT_EQ(ReadSetting(L"autostart"), 0);
    EXPECT_EQ(ReadSetting(L"language"), 0);

    TintraProcess again;
    ASSERT_TRUE(again.Start());

    const HWND main = again.MainWindow();
    const HWND display = again.Control(IDC_COLOR_DISPLAY);
    EXPECT_EQ(win::ScreenRect(main).left, moved.x);
    EXPECT_EQ(win::ScreenRect(main).top, moved.y);
    EXPECT_FALSE(IsTopmost(main));
    EXPECT_TRUE(ScreenShows(main, 195, 60, win::ToCOLORREF(LookupTheme(2).backgroundColor)));
    EXPECT_TRUE(ScreenShows(display, kPane1.x, kPane1.y, pane1));
    EXPECT_TRUE(ScreenShows(display, kPane4.x, kPane4.y, pane4));
    EXPECT_TRUE(ScreenShows(display, 40, 20, RGB(0, 0, 0))); // pane 0
    EXPECT_TRUE(ScreenShows(display, kPane4Frame.x, kPane4Frame.y, kActivePaneFrame));
    EXPECT_FALSE(ScreenPixel(display, kPane1Frame.x, kPane1Frame.y) == kActivePaneFrame);
    EXPECT_TRUE(ScreenShows(GetDlgItem(again.InfoPanel(), IDC_CHECK_HSB), 4, 4, kMarkSet));
    EXPECT_TRUE(ScreenShows(GetDlgItem(again.InfoPanel(), IDC_CHECK_COLREF), 4, 4, kMarkClear));
    EXPECT_TRUE(ScreenShows(again.Control(IDC_LOCK_RED), 2, 7, kChannels[0].latchedFace));
    EXPECT_TRUE(ScreenShows(again.Control(IDC_LOCK_GREEN), 2, 7, kReleasedLockFace));
    EXPECT_TRUE(ScreenShows(again.Control(IDC_LOCK_BLUE), 2, 7, kChannels[2].latchedFace));
    EXPECT_EQ(TrackbarPos(again.Control(IDC_SLIDER_GREEN)), GetGValue(pane4)); // the current colour
    EXPECT_EQ(again.CloseAndWait(), 0);
}

TEST_F(SettingsSurvive, AStoredColourIsShownWithItsExactHue) {
    StoreSetting(L"color", RGB(0, 60, 3)); // its hue is 123 degrees exactly
    ASSERT_TRUE(tintra.Start());
    EXPECT_TRUE(WaitFor([&] { return tintra.InfoText(IDC_VALUE_HSB) == L"123, 255, 60"; }));
    EXPECT_EQ(tintra.InfoText(IDC_VALUE_RGB), L"0, 60, 3");
}

TEST_F(SettingsSurvive, EndingTheSessionSavesWithoutAClose) {
    ASSERT_TRUE(tintra.Start());
    const HWND main = tintra.MainWindow();
    EXPECT_TRUE(ClickFor(tintra.PanelButton(IDC_BUTTON_TOPMOST), 14, 10,
                         "the window leaving the topmost band", [&] { return !IsTopmost(main); }));
    EXPECT_EQ(ReadSetting(L"topmost"), -1);
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000, &answer);
    EXPECT_EQ(ReadSetting(L"topmost"), 0);
    EXPECT_EQ(ReadSetting(L"panes"), 4);
    EXPECT_EQ(ReadSetting(L"autostart"), 0);
}

TEST_F(SettingsSurvive, StartWithWindowsIsTheQuotedPathUnderTheUsersRunKey) {
    StoreMachineEntry(KEY_WOW64_64KEY);
    StoreMachineEntry(KEY_WOW64_32KEY);
    ASSERT_NE(StartupEntry(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY), L"<none>");
    StoreSetting(L"autostart", 1);
    ASSERT_TRUE(tintra.Start());
    EXPECT_EQ(tintra.CloseAndWait(), 0);
    EXPECT_EQ(StartupEntry(HKEY_CURRENT_USER), L"\"" + ProgramPath() + L"\"");
    // A machine-wide entry, in either view, would start it twice.
    EXPECT_EQ(StartupEntry(HKEY_LOCAL_MACHINE), L"<none>");
    EXPECT_EQ(StartupEntry(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY), L"<none>");

    StoreSetting(L"autostart", 0);
    ASSERT_TRUE(tintra.Start());
    EXPECT_EQ(tintra.CloseAndWait(), 0);
    EXPECT_EQ(StartupEntry(HKEY_CURRENT_USER), L"<none>");
}

} // namespace
