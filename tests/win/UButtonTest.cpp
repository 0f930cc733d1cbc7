#include "ChildHost.h"
#include "WindowTestSupport.h"
#include "logic/KeyColor.h"
#include "ui/Pictures.h"
#include "ui/UButton.h"
#include "win/Colors.h"

#include "resource.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorRef kFace{0x00D8A77D};     // theme 4's background
constexpr ColorRef kNewFace{0x0092AB79};  // theme 1's background
constexpr Argb kGreyLockFace{0xFFD5D5D5}; // the grey padlock's face
constexpr Argb kRedLockFace{0xFFFF7979};

class UButtonTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(host.Create()); }

    void MakeLock(int latching) {
        ASSERT_TRUE(button.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{202, 8, 211, 19}, host.Hwnd(), 1002,
                                  latching));
        button.SetImagesFromResources(GetModuleHandleW(nullptr), IDB_LOCK_GREY, IDB_LOCK_RED, IDB_LOCK_GREY);
        button.ReplaceColor(kLockKeyColor, kFace);
    }
    Argb Pixel(int x, int y) const { return PixelOf(*button.Canvas(), x, y); }
    void Mouse(UINT message, int x, int y) {
        SendMessageW(button.Hwnd(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
        PumpPending();
    }
    int Clicks() const { return host.Count(WM_COMMAND, MAKEWPARAM(1002, BN_CLICKED)); }

    win::GdiplusSession gdiplus;
    ChildHost host;
    UButton button;
};

TEST_F(UButtonTest, LockPictureShowsTheBackgroundWhereTheBlueKeyWas) {
    MakeLock(1);
    EXPECT_EQ(Pixel(0, 0), ToArgb(kFace));
    EXPECT_EQ(Pixel(4, 2), ToArgb(kFace)); // the hole of the shackle
    EXPECT_EQ(Pixel(2, 7), kGreyLockFace);
    EXPECT_EQ(button.Canvas()->GetWidth(), 9u);
    EXPECT_EQ(button.Canvas()->GetHeight(), 11u);
}

TEST_F(UButtonTest, LatchingButtonStaysDownUntilTheNextClick) {
    MakeLock(1);
    for (int click = 1; click <= 2; ++click) {
        Mouse(WM_LBUTTONDOWN, 4, 5);
        Mouse(WM_LBUTTONUP, 4, 5);
        EXPECT_EQ(button.IsDown(), click == 1 ? 1 : 0);
        EXPECT_EQ(Pixel(2, 7), click == 1 ? kRedLockFace : kGreyLockFace);
        EXPECT_EQ(Clicks(), click);
    }
}

// As a standard push button: the face shows the press only while the pointer is over the held
// button, and only a release over it clicks, which alone flips a latching one.
enum class Release { OnIt, OffIt, OffThenBack };
struct PressRow {
    int latching;
    Release release;
    int downAfter;
    int clicks;
};

class UButtonPress : public UButtonTest, public ::testing::WithParamInterface<PressRow> {};

TEST_P(UButtonPress, FollowsThePointerAndActsOnlyOnAReleaseOverIt) {
    const PressRow& row = GetParam();
    MakeLock(row.latching);
    Mouse(WM_LBUTTONDOWN, 4, 5);
    EXPECT_EQ(Pixel(2, 7), kRedLockFace);
    if (row.release != Release::OnIt) {
        Mouse(WM_MOUSEMOVE, 60, 60);
        EXPECT_EQ(Pixel(2, 7), kGreyLockFace) << "the face returns while the pointer is off";
    }
    if (row.release == Release::OffThenBack) {
        Mouse(WM_MOUSEMOVE, 4, 5);
        EXPECT_EQ(Pixel(2, 7), kRedLockFace);
    }
    const POINT at = row.release == Release::OffIt ? POINT{60, 60} : POINT{4, 5};
    Mouse(WM_LBUTTONUP, at.x, at.y);
    EXPECT_EQ(button.IsDown(), row.downAfter);
    EXPECT_EQ(Pixel(2, 7), row.downAfter ? kRedLockFace : kGreyLockFace);
    EXPECT_EQ(Clicks(), row.clicks);
}

INSTANTIATE_TEST_SUITE_P(Table, UButtonPress,
                         ::testing::Values(PressRow{1, Release::OnIt, 1, 1}, PressRow{1, Release::OffIt, 0, 0},
                                           PressRow{1, Release::OffThenBack, 1, 1},
                                           PressRow{0, Release::OnIt, 0, 1}, PressRow{0, Release::OffIt, 0, 0},
                                           PressRow{0, Release::OffThenBack, 0, 1}));

TEST_F(UButtonTest, DoubleClickFlipsALatchingButtonOnce) {
    MakeLock(1);
    Mouse(WM_LBUTTONDOWN, 4, 5);
    Mouse(WM_LBUTTONUP, 4, 5);
    Mouse(WM_LBUTTONDBLCLK, 4, 5);
    Mouse(WM_LBUTTONUP, 4, 5);
    EXPECT_EQ(button.IsDown(), 1);
}

TEST_F(UButtonTest, HoverPictureFollowsThePointerButDownWins) {
    ASSERT_TRUE(button.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 9, 11}, host.Hwnd(), 1002, 1));
    button.SetImagesFromResources(GetModuleHandleW(nullptr), IDB_LOCK_GREEN, IDB_LOCK_RED, IDB_LOCK_GREY);
    Mouse(WM_MOUSEMOVE, 4, 5);
    EXPECT_EQ(Pixel(2, 7), Argb{0xFF1AFF1A});
    Mouse(WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Pixel(2, 7), kGreyLockFace);
    button.SetDown(1);
    Mouse(WM_MOUSEMOVE, 4, 5);
    EXPECT_EQ(Pixel(2, 7), kRedLockFace);
    button.SetDown(2);
    EXPECT_EQ(button.IsDown(), 1);
}

// First before the down picture is made, then once it is shown.
TEST_F(UButtonTest, ThemeChangesWhileLatchedRecolourTheDownPicture) {
    MakeLock(1);
    button.SetDown(1);
    button.ReplaceColor(kFace, kNewFace);
    EXPECT_EQ(Pixel(4, 3), ToArgb(kNewFace));
    EXPECT_EQ(Pixel(2, 7), kRedLockFace);
    button.ReplaceColor(kNewFace, kFace);
    EXPECT_EQ(Pixel(0, 0), ToArgb(kFace));
    EXPECT_EQ(Pixel(4, 3), ToArgb(kFace));
    button.SetDown(0);
    EXPECT_EQ(Pixel(4, 3), ToArgb(kFace));
}

TEST_F(UButtonTest, PicturesWithoutANormalOneKeepTheOldOnes) {
    MakeLock(1);
    button.SetPictures(
        nullptr, [] { return ui::LoadResourceBitmap(GetModuleHandleW(nullptr), IDB_LOCK_GREEN); }, nullptr);
    Mouse(WM_MOUSEMOVE, 4, 5);
    EXPECT_EQ(Pixel(2, 7), kGreyLockFace);
}

} // namespace
