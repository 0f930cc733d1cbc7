// The channel locks under a person's hand: padlocks latched by their keys, a slider dragged with
// the mouse, and every slider, the five rows and the active pane read after each drag.
#include "Driver.h"
#include "logic/color/ColorNotation.h"
#include "win/Colors.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

namespace {

using namespace e2e;

using Channels = std::array<int, 3>;
constexpr int kRed = 0, kGreen = 1, kBlue = 2;

std::string Text(const Channels& channels) {
    return "(" + std::to_string(channels[0]) + ", " + std::to_string(channels[1]) + ", " +
           std::to_string(channels[2]) + ")";
}

class Locks : public WithTintra<> {
  protected:
    void SetUp() override {
        WithTintra::SetUp();
        // The current colour and the active pane's: the red and blue of the example with red
        // and blue locked, blue high enough to reach the end of its range later.
        const COLORREF start = RGB(100, 80, 200);
        StoreSetting(L"color", start);
        StoreSetting(L"color1", start);
        Start();
    }

    HWND Slider(int channel) const { return tintra.Control(kChannels[channel].sliderId); }
    Channels Positions() const {
        return {TrackbarPos(Slider(kRed)), TrackbarPos(Slider(kGreen)), TrackbarPos(Slider(kBlue))};
    }
    bool LockFaceIs(int channel, COLORREF face) const {
        return ScreenPixel(tintra.Control(kChannels[channel].lockId), 2, 7) == face;
    }
    // One press of the channel's key (1, 2 or 3): its padlock flips. Keys, not clicks, so
    // that the pointer's last press before a drag is the one of the drag before: under Wine
    // the pointer can jump back to it for a moment, and a jump to a padlock far above the
    // slider would drag the locked channels to 0 and back.
    ::testing::AssertionResult PressLockKey(int channel, bool latches) {
        const COLORREF face = latches ? kChannels[channel].latchedFace : kReleasedLockFace;
        return PressKeyFor(static_cast<WORD>('1' + channel),
                           std::string("the ") + kChannels[channel].name + " padlock " +
                               (latches ? "latched" : "released"),
                           [&] { return LockFaceIs(channel, face); });
    }
    // The sliders, all five rows and the active pane show one colour.
    ::testing::AssertionResult Shows(const Channels& expected) {
        const ColorRef color = MakeColorRef(expected[0], expected[1], expected[2]);
        const bool shown = WaitFor([&] {
            if (Positions() != expected ||
                win::ToColorRef(ScreenPixel(tintra.Control(IDC_COLOR_DISPLAY), 40, 30)) != color)
                return false;
            for (const NotationRow& row : kNotationRows)
                if (tintra.InfoText(row.valueId) != NotationText(row.notation, color))
                    return false;
            return true;
        });
        if (shown)
            return ::testing::AssertionSuccess();
        const std::wstring rgb = tintra.InfoText(IDC_VALUE_RGB);
        return ::testing::AssertionFailure()
               << "expected " << Text(expected) << "; the sliders show " << Text(Positions())
               << ", the RGB row " << std::string(rgb.begin(), rgb.end());
    }
    // Drags the channel's thumb by dy pixels (down raises the value) in one drag, and returns
    // how far its value moved. The drag has ended once the slider has let the mouse go.
    int Drag(int channel, int dy) {
        const HWND slider = Slider(channel);
        const int before = TrackbarPos(slider);
        const POINT from = ThumbMiddle(slider);
        const POINT to{from.x, from.y + dy};
        EXPECT_TRUE(DragFor(from, to, std::string("the ") + kChannels[channel].name + " thumb moved", [&] {
            return TrackbarPos(slider) != before && CaptureOf(tintra.UiThread()) == nullptr;
        }));
        return TrackbarPos(slider) - before;
    }
    // What the other channels become when one moves by delta: each locked one by the same
    // amount, stopping at the ends of the range; the rest stay. The dragged one is where it is.
    static Channels Moved(const Channels& before, const Channels& now, int dragged, int delta,
                          const std::array<bool, 3>& locked) {
        Channels expected = before;
        expected[dragged] = now[dragged];
        for (int channel = 0; channel < 3; ++channel)
            if (channel != dragged && locked[dragged] && locked[channel])
                expected[channel] = std::clamp(before[channel] + delta, 0, 255);
        return expected;
    }
    // One drag, then every slider and row checked against the locks.
    void DragAndCheck(int channel, int dy, const std::array<bool, 3>& locked) {
        SCOPED_TRACE(std::string("dragging ") + kChannels[channel].name);
        const Channels before = Positions();
        const int delta = Drag(channel, dy);
        ASSERT_NE(delta, 0);
        const Channels expected = Moved(before, Positions(), channel, delta, locked);
        EXPECT_TRUE(Shows(expected)) << "from " << Text(before) << " by " << delta;
    }
};

// Drags are monotonic, so a locked channel's place follows from where it was and how far the
// dragged one went, clamped at the ends of the range.
TEST_F(Locks, LockedSlidersMoveTogetherUnderTheMouseAndAPickReleasesThem) {
    ASSERT_TRUE(Shows({100, 80, 200}));

    // One lock: it changes nothing.
    ASSERT_TRUE(PressLockKey(kGreen, true));
    DragAndCheck(kGreen, 20, {false, true, false});
    // Its second press releases it.
    ASSERT_TRUE(PressLockKey(kGreen, false));

    // Two locks: blue follows red; green stays.
    ASSERT_TRUE(PressLockKey(kRed, true));
    ASSERT_TRUE(PressLockKey(kBlue, true));
    DragAndCheck(kRed, 30, {true, false, true});
    // The unlocked one moves alone.
    DragAndCheck(kGreen, -10, {true, false, true});

    // Three locks: blue reaches 255 and stays there while red and green go on. The lowest of
    // them is dragged: a read-back of Wine's display pointer above the slider in the middle of
    // a drag takes it to 0 for a moment, which clamps no partner that is higher.
    ASSERT_TRUE(PressLockKey(kGreen, true));
    const Channels beforeTheEnd = Positions();
    DragAndCheck(kGreen, 45, {true, true, true});
    ASSERT_EQ(Positions()[kBlue], 255) << "blue did not reach the end from " << Text(beforeTheEnd);
    // Back up: the difference blue lost at the end is not restored.
    DragAndCheck(kGreen, -30, {true, true, true});
    DragAndCheck(kGreen, -15, {true, true, true});
    EXPECT_LT(Positions()[kBlue] - Positions()[kRed], beforeTheEnd[kBlue] - beforeTheEnd[kRed]);

    // A pick makes its colour current and releases every lock.
    const HWND main = tintra.MainWindow();
    ASSERT_TRUE(ClickFor(tintra.PanelButton(IDC_BUTTON_PICKER), 14, 10, "the picker holding the mouse",
                         [&] { return tintra.HoldsMouse(); }));
    const COLORREF face = ScreenPixel(main, 195, 60);
    ASSERT_TRUE(ClickFor(main, 195, 60, "the picker let go of the mouse",
                         [&] { return CaptureOf(tintra.UiThread()) == nullptr; }));
    EXPECT_TRUE(Shows({GetRValue(face), GetGValue(face), GetBValue(face)}));
    for (int channel : {kRed, kGreen, kBlue})
        EXPECT_TRUE(WaitFor([&] { return LockFaceIs(channel, kReleasedLockFace); }))
            << kChannels[channel].name;
    DragAndCheck(kGreen, 15, {false, false, false});
}

} // namespace
