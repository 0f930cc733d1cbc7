#include "Driver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using namespace e2e;

constexpr int kRedSlider = 1018, kGreenSlider = 1019, kBlueSlider = 1020;
constexpr int kRgbText = 1003;

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        ClearSettings();
        ASSERT_TRUE(tintra.Start());
    }
    void TearDown() override {
        EXPECT_EQ(tintra.CloseAndWait(), 0);
        ClearSettings();
    }

    bool RgbReads(const std::wstring& text) {
        return WaitFor([&] { return tintra.InfoText(kRgbText) == text; });
    }
    // A click on the channel below the thumb moves it one page (51) down, towards 255.
    void PageDown(int sliderId) {
        const HWND slider = tintra.Control(sliderId);
        RECT client;
        GetClientRect(slider, &client);
        const RECT thumb = ThumbRect(slider);
        const int before = TrackbarPos(slider);
        ClickControl(slider, (thumb.left + thumb.right) / 2, (thumb.bottom + client.bottom) / 2);
        WaitFor([&] { return TrackbarPos(slider) != before; });
    }
    bool LockShows(int lockId, COLORREF face) {
        return WaitFor([&] { return ScreenPixel(tintra.Control(lockId), 2, 7) == face; });
    }
    bool ClipboardReads(const std::string& text) {
        return WaitFor([&] { return ClipboardText() == text; });
    }
    // Keys go to the window with the focus, as they would for a person at the keyboard.
    void FocusDisplay() { ClickControl(tintra.Control(1000), 40, 30); }

    TintraProcess tintra;
};

TEST_F(Commands, DraggingASliderChangesTheColourAndItsTexts) {
    const HWND red = tintra.Control(kRedSlider);
    const RECT thumb = ThumbRect(red);
    ASSERT_GT(thumb.bottom, thumb.top);
    POINT from{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    POINT to{from.x, from.y + 60};
    ClientToScreen(red, &from);
    ClientToScreen(red, &to);
    DragFromTo(from, to);
    ASSERT_TRUE(WaitFor([&] { return TrackbarPos(red) > 0; }));
    const int value = TrackbarPos(red);
    EXPECT_TRUE(RgbReads(std::to_wstring(value) + L", 0, 0"));
    wchar_t hex[8];
    swprintf(hex, 8, L"%02X0000", value);
    EXPECT_EQ(tintra.InfoText(1004), hex);
    // The active pane follows.
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(tintra.Control(1000), 40, 30) == RGB(value, 0, 0); }));
}

TEST_F(Commands, LockedChannelsMoveTogetherAndStopAtTheEnd) {
    FocusDisplay();
    PressKey('1');        // red lock
    PressKey(VK_NUMPAD3); // blue lock
    ASSERT_TRUE(LockShows(1002, RGB(255, 121, 121)));
    ASSERT_TRUE(LockShows(1004, RGB(131, 187, 243)));
    PageDown(kRedSlider);
    EXPECT_TRUE(RgbReads(L"51, 0, 51"));

    ClickControl(tintra.Control(1003), 4, 5); // green lock, by mouse
    ASSERT_TRUE(LockShows(1003, RGB(26, 255, 26)));
    PageDown(kRedSlider);
    EXPECT_TRUE(RgbReads(L"102, 51, 102"));
    for (int step = 0; step < 3; ++step)
        PageDown(kBlueSlider);
    EXPECT_TRUE(RgbReads(L"255, 204, 255"));

    PressKey('2'); // the slider has the focus now: the main window takes the key
    ASSERT_TRUE(LockShows(1003, RGB(213, 213, 213)));
    PageDown(kGreenSlider);
    EXPECT_TRUE(RgbReads(L"255, 255, 255"));
}

TEST_F(Commands, EachNotationKeyThenEnterOrSpaceCopiesItsText) {
    PageDown(kRedSlider); // (51, 0, 0)
    ASSERT_TRUE(RgbReads(L"51, 0, 0"));
    FocusDisplay();
    ASSERT_TRUE(RgbReads(L"51, 0, 0"));
    const struct {
        WORD notationKey;
        WORD copyKey;
        const char* text;
    } cases[] = {
        {'R', VK_RETURN, "(51, 0, 0)"},  {'H', VK_SPACE, "330000"},          {'B', VK_RETURN, "(0, 255, 51)"},
        {'M', VK_SPACE, "(0, 100, 100, 80)"}, {'C', VK_RETURN, "51"},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.text);
        EmptyTheClipboard();
        PressKey(item.notationKey);
        PressKey(item.copyKey);
        EXPECT_TRUE(ClipboardReads(item.text)) << ClipboardText();
    }
    EXPECT_TRUE(tintra.IsRunning());
}

TEST_F(Commands, CopyButtonUsesTheMarkedNotation) {
    FocusDisplay();
    PressKey('H');
    EmptyTheClipboard();
    ClickControl(tintra.PanelButton(5003), 14, 10);
    EXPECT_TRUE(ClipboardReads("000000"));
}

TEST_F(Commands, TopmostButtonTogglesTheBandWithoutMovingTheWindow) {
    RECT before;
    GetWindowRect(tintra.MainWindow(), &before);
    ClickControl(tintra.PanelButton(5007), 14, 10);
    EXPECT_TRUE(WaitFor([&] { return (GetWindowLongW(tintra.MainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));
    RECT after;
    GetWindowRect(tintra.MainWindow(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    // A few pixels away, so that the second click is not taken for a double-click.
    ClickControl(tintra.PanelButton(5007), 22, 12);
    EXPECT_TRUE(WaitFor([&] { return (GetWindowLongW(tintra.MainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST) == 0; }));
    GetWindowRect(tintra.MainWindow(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(Commands, ColourPickerTakesThePixelUnderTheClick) {
    ClickControl(tintra.PanelButton(5001), 14, 10);
    ASSERT_TRUE(WaitFor([&] { return GetCapture() == nullptr; })); // our thread never holds it
    // Anywhere on the screen: here, a spot of the main window's face.
    const COLORREF face = ScreenPixel(tintra.MainWindow(), 195, 60);
    ClickControl(tintra.MainWindow(), 195, 60);
    wchar_t expected[32];
    swprintf(expected, 32, L"%d, %d, %d", GetRValue(face), GetGValue(face), GetBValue(face));
    EXPECT_TRUE(RgbReads(expected)) << tintra.InfoText(kRgbText);
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(tintra.PanelButton(5001), 0, 10) != RGB(0, 0, 0); }));
}

TEST(Tooltips, SpeakRussianWithTheRussianSetting) {
    ClearSettings();
    StoreSetting(L"language", 1);
    TintraProcess tintra;
    ASSERT_TRUE(tintra.Start());
    const HWND copy = tintra.PanelButton(5003);
    ClickControl(tintra.Control(1000), 40, 30);
    POINT point{14, 10};
    ClientToScreen(copy, &point);
    MoveMouseTo(point);
    POINT nudge{point.x + 1, point.y};
    MoveMouseTo(nudge);
    std::wstring shown;
    const bool appeared = WaitFor(
        [&] {
            for (HWND tip = FindWindowExW(nullptr, nullptr, L"tooltips_class32", nullptr); tip;
                 tip = FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr))
                if (IsWindowVisible(tip))
                    shown = TextOf(tip);
            return !shown.empty();
        },
        8000);
    EXPECT_TRUE(appeared);
    EXPECT_EQ(shown, L"Скопировать результат");
    EXPECT_EQ(tintra.CloseAndWait(), 0);
    ClearSettings();
}

} // namespace
