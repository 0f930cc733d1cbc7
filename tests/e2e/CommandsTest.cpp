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

    ::testing::AssertionResult RgbReads(const std::wstring& text) {
        if (WaitFor([&] { return tintra.InfoText(kRgbText) == text; }))
            return ::testing::AssertionSuccess();
        const std::wstring shown = tintra.InfoText(kRgbText);
        return ::testing::AssertionFailure()
               << "the RGB row reads " << std::string(shown.begin(), shown.end());
    }
    // Drags the slider's thumb by dy pixels and waits until the colour texts show the result.
    // A drag whose press Wine lost leaves the thumb where it was; it is given again.
    void DragThumb(int sliderId, int dy) {
        const HWND slider = tintra.Control(sliderId);
        const int before = TrackbarPos(slider);
        for (int attempt = 0; attempt < 3 && TrackbarPos(slider) == before; ++attempt) {
            const RECT thumb = ThumbRect(slider);
            POINT from{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
            POINT to{from.x, from.y + dy};
            ClientToScreen(slider, &from);
            ClientToScreen(slider, &to);
            DragFromTo(from, to);
            WaitFor([&] { return TrackbarPos(slider) != before; }, 2000);
        }
        WaitFor([&] { return tintra.InfoText(kRgbText) == PositionsText(); });
    }
    std::wstring PositionsText() const {
        return std::to_wstring(TrackbarPos(tintra.Control(kRedSlider))) + L", " +
               std::to_wstring(TrackbarPos(tintra.Control(kGreenSlider))) + L", " +
               std::to_wstring(TrackbarPos(tintra.Control(kBlueSlider)));
    }
    bool LockIs(int lockId, COLORREF face) const { return ScreenPixel(tintra.Control(lockId), 2, 7) == face; }
    ::testing::AssertionResult LockShows(int lockId, COLORREF face) {
        if (WaitFor([&] { return LockIs(lockId, face); }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "the padlock shows " << std::hex << ScreenPixel(tintra.Control(lockId), 2, 7);
    }
    // Keys go to the window with the focus, as they would for a person at the keyboard.
    void FocusDisplay() {
        const HWND display = tintra.Control(1000);
        ClickControlUntil(display, 40, 30, [&] {
            GUITHREADINFO info{sizeof(info)};
            return GetGUIThreadInfo(GetWindowThreadProcessId(display, nullptr), &info) &&
                   info.hwndFocus == display;
        });
    }

    TintraProcess tintra;
};

TEST_F(Commands, DraggingASliderChangesTheColourAndItsTexts) {
    DragThumb(kRedSlider, 60);
    const int value = TrackbarPos(tintra.Control(kRedSlider));
    ASSERT_GT(value, 0);
    EXPECT_TRUE(RgbReads(std::to_wstring(value) + L", 0, 0"));
    wchar_t hex[8];
    swprintf(hex, 8, L"%02X0000", value);
    EXPECT_EQ(tintra.InfoText(1004), hex);
    // The active pane follows.
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(tintra.Control(1000), 40, 30) == RGB(value, 0, 0); }));
}

TEST_F(Commands, AHeldPressOnTheChannelPagesOnAndEveryStepMovesTheLockedPartnerAndTheColour) {
    PressKey('1'); // the colour display has the focus from the start
    PressKey('2');
    ASSERT_TRUE(LockShows(1003, RGB(26, 255, 26))); // red and green locked
    const HWND red = tintra.Control(kRedSlider);
    RECT channel;
    GetClientRect(red, &channel);
    const RECT thumb = ThumbRect(red);
    // On the channel, far below the thumb at 0: about 180, so that the thumb pages on to 204
    // and stops there, a page of 51 at a time.
    POINT low{(thumb.left + thumb.right) / 2, channel.bottom * 7 / 10};
    ClientToScreen(red, &low);
    PressAt(low);
    // The first page comes with the press, the ones after it while the button is held.
    const bool pagedOn = WaitFor([&] { return TrackbarPos(red) == 4 * 51; });
    ReleaseAt(low);
    ASSERT_TRUE(pagedOn) << "the slider stopped at " << TrackbarPos(red);
    // Every step is the colour at once, not only at the next press or drag step.
    const bool agreed = WaitFor([&] {
        return tintra.InfoText(kRgbText) == PositionsText() &&
               TrackbarPos(tintra.Control(kGreenSlider)) == TrackbarPos(red);
    });
    const std::wstring row = tintra.InfoText(kRgbText);
    EXPECT_TRUE(agreed) << "the slider is at " << TrackbarPos(red) << ", the RGB row reads "
                        << std::string(row.begin(), row.end());
}

TEST_F(Commands, DigitKeysFlipTheLocksWhicheverWindowHasTheFocus) {
    FocusDisplay();
    EXPECT_TRUE(PressKeyUntil('1', [&] { return LockIs(1002, RGB(255, 121, 121)); }));        // red lock
    EXPECT_TRUE(PressKeyUntil(VK_NUMPAD3, [&] { return LockIs(1004, RGB(131, 187, 243)); })); // blue lock
    DragThumb(kGreenSlider, 20); // the slider takes the focus
    EXPECT_TRUE(PressKeyUntil('3', [&] { return LockIs(1004, RGB(213, 213, 213)); }));
    EXPECT_TRUE(PressKeyUntil(VK_NUMPAD2, [&] { return LockIs(1003, RGB(26, 255, 26)); }));
    EXPECT_TRUE(LockShows(1002, RGB(255, 121, 121)));
}

TEST_F(Commands, LocksLatchByClickAndAPaneReleasesThemAll) {
    const struct {
        int id;
        COLORREF latchedFace;
    } locks[] = {{1002, RGB(255, 121, 121)}, {1003, RGB(26, 255, 26)}, {1004, RGB(131, 187, 243)}};
    for (const auto& lock : locks) {
        const HWND button = tintra.Control(lock.id);
        ASSERT_TRUE(
            ClickControlUntil(button, 4, 5, [&] { return ScreenPixel(button, 2, 7) == lock.latchedFace; }));
    }
    FocusDisplay();
    for (const auto& lock : locks)
        EXPECT_TRUE(LockShows(lock.id, RGB(213, 213, 213)));
}

TEST_F(Commands, EachNotationKeyThenEnterOrSpaceCopiesItsText) {
    FocusDisplay();
    const struct {
        WORD notationKey;
        int mark;
        WORD copyKey;
        const char* text;
    } cases[] = {
        {'R', 3001, VK_RETURN, "(0, 0, 0)"}, {'H', 3002, VK_SPACE, "000000"},
        {'B', 3003, VK_RETURN, "(0, 0, 0)"}, {'M', 3004, VK_SPACE, "(0, 0, 0, 100)"},
        {'C', 3000, VK_RETURN, "0"},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.text);
        EmptyTheClipboard();
        EXPECT_TRUE(PressKeyUntil(item.notationKey, [&] { return tintra.MarkIsSet(item.mark); }));
        EXPECT_TRUE(PressKeyUntil(item.copyKey, [&] { return ClipboardText() == item.text; }))
            << ClipboardText();
    }
    EXPECT_TRUE(tintra.IsRunning());
}

TEST_F(Commands, CopyButtonUsesTheMarkedNotation) {
    FocusDisplay();
    ASSERT_TRUE(PressKeyUntil('H', [&] { return tintra.MarkIsSet(3002); }));
    EmptyTheClipboard();
    EXPECT_TRUE(ClickControlUntil(tintra.PanelButton(5003), 14, 10, [] {
        return ClipboardText() == "000000";
    })) << ClipboardText();
}

TEST_F(Commands, TopmostButtonTogglesTheBandWithoutMovingTheWindow) {
    RECT before;
    GetWindowRect(tintra.MainWindow(), &before);
    auto topmost = [&] { return (GetWindowLongW(tintra.MainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    ASSERT_TRUE(topmost()); // as a first start leaves it
    EXPECT_TRUE(ClickControlUntil(tintra.PanelButton(5007), 14, 10, [&] { return !topmost(); }));
    RECT after;
    GetWindowRect(tintra.MainWindow(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    // A few pixels away, so that the second click is not taken for a double-click.
    EXPECT_TRUE(ClickControlUntil(tintra.PanelButton(5007), 22, 12, topmost));
    GetWindowRect(tintra.MainWindow(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
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
