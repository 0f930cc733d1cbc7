#include "Driver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace e2e;

class Commands : public WithTintra<> {
  protected:
    void SetUp() override {
        WithTintra::SetUp();
        Start();
    }

    // Drags the slider's thumb by dy pixels and waits until the colour texts show the result.
    void DragThumb(int sliderId, int dy) {
        const HWND slider = tintra.Control(sliderId);
        const int before = TrackbarPos(slider);
        const POINT from = ThumbMiddle(slider);
        const POINT to{from.x, from.y + dy};
        ASSERT_TRUE(DragFor(from, to, "the thumb moved and the RGB row following it", [&] {
            return TrackbarPos(slider) != before && tintra.InfoText(IDC_VALUE_RGB) == PositionsText();
        }));
    }
    std::wstring PositionsText() const {
        return std::to_wstring(TrackbarPos(tintra.Control(IDC_SLIDER_RED))) + L", " +
               std::to_wstring(TrackbarPos(tintra.Control(IDC_SLIDER_GREEN))) + L", " +
               std::to_wstring(TrackbarPos(tintra.Control(IDC_SLIDER_BLUE)));
    }
    bool LockIs(int lockId, COLORREF face) const { return ScreenPixel(tintra.Control(lockId), 2, 7) == face; }
    ::testing::AssertionResult LockShows(int lockId, COLORREF face) {
        return ScreenShows(tintra.Control(lockId), 2, 7, face);
    }
    // Keys go to the window with the focus, as they would for a person at the keyboard.
    void FocusDisplay() {
        const HWND display = tintra.Control(IDC_COLOR_DISPLAY);
        ASSERT_TRUE(ClickFor(display, 40, 30, "the keyboard focus on the colour display",
                             [&] { return FocusOf(tintra.UiThread()) == display; }));
    }
};

TEST_F(Commands, AHeldPressOnTheChannelPagesOnAndEveryStepMovesTheLockedPartnerAndTheColour) {
    PressKey('1'); // the colour display has the focus from the start
    PressKey('2');
    ASSERT_TRUE(LockShows(IDC_LOCK_GREEN, kChannels[1].latchedFace)); // red and green locked
    const HWND red = tintra.Control(IDC_SLIDER_RED);
    const RECT thumb = ThumbRect(red);
    // On the channel, far below the thumb at 0: about 180, so that the thumb pages on to 204
    // and stops there, a page of 51 at a time.
    const POINT low = OnScreen(red, (thumb.left + thumb.right) / 2, win::ClientRect(red).bottom * 7 / 10);
    PressAt(low);
    // The first page comes with the press, the ones after it while the button is held.
    const bool pagedOn = WaitFor([&] { return TrackbarPos(red) == 4 * 51; });
    ReleaseAt(low);
    ASSERT_TRUE(pagedOn) << "the slider stopped at " << TrackbarPos(red);
    // Every step is the colour at once, not only at the next press or drag step.
    const bool agreed = WaitFor([&] {
        return tintra.InfoText(IDC_VALUE_RGB) == PositionsText() &&
               TrackbarPos(tintra.Control(IDC_SLIDER_GREEN)) == TrackbarPos(red);
    });
    const std::wstring row = tintra.InfoText(IDC_VALUE_RGB);
    EXPECT_TRUE(agreed) << "the slider is at " << TrackbarPos(red) << ", the RGB row reads "
                        << std::string(row.begin(), row.end());
}

TEST_F(Commands, DigitKeysFlipTheLocksWhicheverWindowHasTheFocus) {
    FocusDisplay();
    ASSERT_TRUE(PressKeyFor('1', "the red padlock latched",
                            [&] { return LockIs(IDC_LOCK_RED, kChannels[0].latchedFace); }));
    ASSERT_TRUE(PressKeyFor(VK_NUMPAD3, "the blue padlock latched",
                            [&] { return LockIs(IDC_LOCK_BLUE, kChannels[2].latchedFace); }));
    DragThumb(IDC_SLIDER_GREEN, 20); // the slider takes the focus
    ASSERT_TRUE(PressKeyFor('3', "the blue padlock released by its second key",
                            [&] { return LockIs(IDC_LOCK_BLUE, kReleasedLockFace); }));
    ASSERT_TRUE(PressKeyFor(VK_NUMPAD2, "the green padlock latched",
                            [&] { return LockIs(IDC_LOCK_GREEN, kChannels[1].latchedFace); }));
    EXPECT_TRUE(LockShows(IDC_LOCK_RED, kChannels[0].latchedFace));
    ASSERT_TRUE(PressKeyFor(VK_NUMPAD1, "the red padlock released by its second key",
                            [&] { return LockIs(IDC_LOCK_RED, kReleasedLockFace); }));
    EXPECT_TRUE(LockShows(IDC_LOCK_GREEN, kChannels[1].latchedFace));
}

TEST_F(Commands, LocksLatchByClickAndAPaneReleasesThemAll) {
    for (const Channel& channel : kChannels) {
        const HWND button = tintra.Control(channel.lockId);
        ASSERT_TRUE(ClickFor(button, 4, 5, "the padlock latched",
                             [&] { return ScreenPixel(button, 2, 7) == channel.latchedFace; }));
    }
    // A second click on a lock releases it; a few pixels away, so that it is no double-click.
    const HWND green = tintra.Control(IDC_LOCK_GREEN);
    ASSERT_TRUE(ClickFor(green, 6, 7, "the green padlock released by its second click",
                         [&] { return ScreenPixel(green, 2, 7) == kReleasedLockFace; }));
    EXPECT_TRUE(LockShows(IDC_LOCK_RED, kChannels[0].latchedFace));
    EXPECT_TRUE(LockShows(IDC_LOCK_BLUE, kChannels[2].latchedFace));
    FocusDisplay();
    for (const Channel& channel : kChannels)
        EXPECT_TRUE(LockShows(channel.lockId, kReleasedLockFace));
}

TEST_F(Commands, EachNotationKeyThenEnterSpaceOrCtrlCCopiesItsText) {
    FocusDisplay();
    const struct {
        WORD notationKey;
        int mark;
        WORD copyKey;
        bool control;
        const char* text;
    } cases[] = {
        {'R', IDC_CHECK_RGB, VK_RETURN, false, "(0, 0, 0)"},
        {'H', IDC_CHECK_HEX, 'C', true, "000000"},
        {'B', IDC_CHECK_HSB, VK_SPACE, false, "(0, 0, 0)"},
        {'M', IDC_CHECK_CMYK, 'C', true, "(0, 0, 0, 100)"},
        {'C', IDC_CHECK_COLREF, VK_RETURN, false, "0"},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.text);
        EmptyTheClipboard();
        EXPECT_TRUE(PressKeyFor(item.notationKey, "its notation marked",
                                [&] { return tintra.MarkIsSet(item.mark); }));
        const auto copied = [&] { return ClipboardText() == item.text; };
        const std::string effect = std::string("the clipboard holding ") + item.text;
        if (item.control) {
            PressCtrlKey(item.copyKey);
            EXPECT_TRUE(WaitFor(copied)) << ClipboardText();
            // Ctrl+C left the mark alone: the next copy is in the same notation.
            EmptyTheClipboard();
            EXPECT_TRUE(PressKeyFor(VK_SPACE, effect + " again", copied)) << ClipboardText();
        } else {
            EXPECT_TRUE(PressKeyFor(item.copyKey, effect, copied)) << ClipboardText();
        }
    }
    EXPECT_TRUE(tintra.IsRunning());
}

// Keys reach the program in order: once the mark shows, the paste before it was handled.
TEST_F(Commands, CtrlVMakesTheColourTheClipboardNamesCurrentAndAnyOtherTextChangesNothing) {
    FocusDisplay();
    auto rgbReads = [&](const wchar_t* text) {
        return WaitFor([&] { return tintra.InfoText(IDC_VALUE_RGB) == text; });
    };
    auto pasteThenMark = [&](WORD notationKey, int mark) {
        PressCtrlKey('V');
        PressKey(notationKey);
        return WaitFor([&] { return tintra.MarkIsSet(mark); });
    };
    PutOnClipboard(std::string("#C86432"));
    PressCtrlKey('V');
    EXPECT_TRUE(rgbReads(L"200, 100, 50"));
    EXPECT_TRUE(ScreenShows(tintra.Control(IDC_COLOR_DISPLAY), 40, 30, RGB(200, 100, 50)));
    EXPECT_EQ(PositionsText(), L"200, 100, 50");

    PutOnClipboard(std::string("hello"));
    ASSERT_TRUE(pasteThenMark('H', IDC_CHECK_HEX));
    EXPECT_TRUE(rgbReads(L"200, 100, 50"));
    EmptyTheClipboard();
    ASSERT_TRUE(pasteThenMark('R', IDC_CHECK_RGB));
    EXPECT_TRUE(rgbReads(L"200, 100, 50"));
    EXPECT_TRUE(IsWindowEnabled(tintra.MainWindow())); // no message box over it

    // Held by another program, the clipboard gives nothing; let go, it gives its text.
    PutOnClipboard(std::wstring(L"(1, 2, 3)"));
    ASSERT_TRUE(OpenClipboard(nullptr));
    const bool pastedWhileHeld = pasteThenMark('H', IDC_CHECK_HEX);
    CloseClipboard();
    ASSERT_TRUE(pastedWhileHeld);
    EXPECT_TRUE(rgbReads(L"200, 100, 50"));
    PressCtrlKey('V');
    EXPECT_TRUE(rgbReads(L"1, 2, 3"));

    // With HSB marked, three numbers are HSB.
    PressKey('B');
    ASSERT_TRUE(WaitFor([&] { return tintra.MarkIsSet(IDC_CHECK_HSB); }));
    PutOnClipboard(std::wstring(L"(20, 191, 200)"));
    PressCtrlKey('V');
    EXPECT_TRUE(WaitFor([&] { return tintra.InfoText(IDC_VALUE_HSB) == L"20, 191, 200"; }));

    // Beyond what a screen shows, the colour is brought inside as a browser brings it.
    PutOnClipboard(std::string("oklch(0.7 0.4 30)"));
    PressCtrlKey('V');
    EXPECT_TRUE(rgbReads(L"255, 88, 67"));
}

TEST_F(Commands, CopyButtonUsesTheMarkedNotation) {
    FocusDisplay();
    ASSERT_TRUE(PressKeyFor('H', "the HEX notation marked", [&] { return tintra.MarkIsSet(IDC_CHECK_HEX); }));
    EmptyTheClipboard();
    EXPECT_TRUE(ClickFor(tintra.PanelButton(IDC_BUTTON_COPY), 14, 10, "the clipboard holding 000000", [] {
        return ClipboardText() == "000000";
    })) << ClipboardText();
}

// Shift with a copy gives the form for code, which pastes back to the same colour and text.
TEST_F(Commands, ShiftCopiesInTheFormForCodeThatPastesBack) {
    FocusDisplay();
    const auto clipboardHolds = [](const char* text) { return [text] { return ClipboardText() == text; }; };
    PutOnClipboard(std::string("rgb(200, 100, 50)"));
    PressCtrlKey('V');
    ASSERT_TRUE(WaitFor([&] { return tintra.InfoText(IDC_VALUE_RGB) == L"200, 100, 50"; }));
    ASSERT_TRUE(PressKeyFor('H', "the HEX notation marked", [&] { return tintra.MarkIsSet(IDC_CHECK_HEX); }));
    PressChord({VK_SHIFT}, VK_RETURN);
    EXPECT_TRUE(WaitFor(clipboardHolds("#C86432"))) << ClipboardText();
    EXPECT_TRUE(PressKeyFor(VK_RETURN, "C86432 copied", clipboardHolds("C86432"))) << ClipboardText();
    ASSERT_TRUE(PressKeyFor('B', "the HSB notation marked", [&] { return tintra.MarkIsSet(IDC_CHECK_HSB); }));
    PressChord({VK_CONTROL, VK_SHIFT}, 'C');
    EXPECT_TRUE(WaitFor(clipboardHolds("hsl(20, 60%, 49%)"))) << ClipboardText();
    // Pasted into a black pane, it gives the colour back.
    ASSERT_TRUE(ClickFor(tintra.Control(IDC_COLOR_DISPLAY), 130, 30, "the black pane 2 current",
                         [&] { return tintra.InfoText(IDC_VALUE_RGB) == L"0, 0, 0"; }));
    PressCtrlKey('V');
    EXPECT_TRUE(WaitFor([&] { return tintra.InfoText(IDC_VALUE_RGB) == L"200, 100, 50"; }));
}

// A right click on a pane, or on the copy button, offers the colour in every form code takes, and
// the item chosen with the keys goes on the clipboard; Shift+F10 and the menu key open it for the
// active pane, and Escape closes it.
TEST_F(Commands, TheCopyAsMenuCopiesTheColourInTheFormChosen) {
    FocusDisplay();
    const auto clipboardHolds = [](const char* text) { return [text] { return ClipboardText() == text; }; };
    const auto menuShows = [] { return ShownWindow(L"#32768") != nullptr; };
    PutOnClipboard(std::string("tomato"));
    PressCtrlKey('V');
    ASSERT_TRUE(WaitFor([&] { return tintra.InfoText(IDC_VALUE_RGB) == L"255, 99, 71"; }));
    RightClickAt(OnScreen(tintra.Control(IDC_COLOR_DISPLAY), 40, 30));
    ASSERT_TRUE(WaitFor(menuShows));
    PressKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_TRUE(WaitFor(clipboardHolds("hsl(9, 100%, 64%)"))) << ClipboardText();
    RightClickAt(OnScreen(tintra.PanelButton(IDC_BUTTON_COPY), 14, 10));
    ASSERT_TRUE(WaitFor(menuShows));
    PressKeys({VK_DOWN, VK_RETURN});
    EXPECT_TRUE(WaitFor(clipboardHolds("#FF6347"))) << ClipboardText();
    FocusDisplay();
    PressChord({VK_SHIFT}, VK_F10);
    ASSERT_TRUE(WaitFor(menuShows));
    EXPECT_TRUE(PressKeyFor(VK_ESCAPE, "the menu closed", [&] { return !menuShows(); }));
    PressKey(VK_APPS);
    ASSERT_TRUE(WaitFor(menuShows));
    PressKeys({VK_END, VK_RETURN});
    EXPECT_TRUE(WaitFor(clipboardHolds("tomato"))) << ClipboardText();
}

TEST_F(Commands, TopmostButtonTogglesTheBandWithoutMovingTheWindow) {
    const auto unmoved = [&, before = win::ScreenRect(tintra.MainWindow())] {
        return win::ScreenRect(tintra.MainWindow()) == before;
    };
    auto topmost = [&] { return (GetWindowLongW(tintra.MainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    ASSERT_TRUE(topmost()); // as a first start leaves it
    ASSERT_TRUE(ClickFor(tintra.PanelButton(IDC_BUTTON_TOPMOST), 14, 10,
                         "the window leaving the topmost band", [&] { return !topmost(); }));
    EXPECT_TRUE(unmoved());
    // A few pixels away, so that the second click is not taken for a double-click.
    ASSERT_TRUE(ClickFor(tintra.PanelButton(IDC_BUTTON_TOPMOST), 22, 12,
                         "the window back in the topmost band by the second click", topmost));
    EXPECT_TRUE(unmoved());
    // Its key does the same, and the button shows it as a click would.
    const HWND button = tintra.PanelButton(IDC_BUTTON_TOPMOST);
    auto face = [&] {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 28; ++x)
                pixels.push_back(ScreenPixel(button, x, y));
        return pixels;
    };
    const std::vector<COLORREF> down = face();
    PressKey('T');
    EXPECT_TRUE(WaitFor([&] { return !topmost(); }));
    EXPECT_TRUE(WaitFor([&] { return face() != down; }));
    EXPECT_TRUE(unmoved());
}

using Tooltips = WithTintra<>;

TEST_F(Tooltips, SpeakRussianWithTheRussianSetting) {
    StartIn(true);
    const HWND copy = tintra.PanelButton(IDC_BUTTON_COPY);
    ClickControl(tintra.Control(IDC_COLOR_DISPLAY), 40, 30);
    ASSERT_TRUE(RestPointerAt(OnScreen(copy, 14, 10)));
    // The tip of the pane clicked before may still show for a moment.
    std::wstring shown;
    EXPECT_TRUE(WaitFor([&] { return (shown = ShownTooltip()) == L"Скопировать результат"; }, 8000))
        << Utf8(shown);
}

} // namespace
