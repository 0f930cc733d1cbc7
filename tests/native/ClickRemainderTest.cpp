#include "logic/ClickRemainder.h"

#include <gtest/gtest.h>

namespace {

using Input = ClickRemainder::Input;
constexpr ClickRemainder::DoubleClick kLimits{500, 4, 4};

ClickRemainder ArmedByPressAt(unsigned time, int x, int y) {
    ClickRemainder remainder;
    remainder.Arm(Input::Press, time, x, y, kLimits);
    return remainder;
}

TEST(ClickRemainder, TakesTheReleaseAndTheSecondClickOfADoubleClickThenNothingMore) {
    ClickRemainder remainder = ArmedByPressAt(1000, 50, 60);
    EXPECT_TRUE(remainder.Swallows(Input::Release, 1080, 50, 60));
    EXPECT_TRUE(remainder.Swallows(Input::Press, 1200, 51, 58));
    EXPECT_TRUE(remainder.Swallows(Input::Release, 1280, 51, 58));
    EXPECT_FALSE(remainder.IsArmed());
    EXPECT_FALSE(remainder.Swallows(Input::Press, 1300, 51, 58)); // a third click is a click of its own
}

TEST(ClickRemainder, APressTooLateOrTooFarAwayIsAClickOfItsOwn) {
    struct Case {
        unsigned time;
        int x, y;
    };
    for (const Case& late : {Case{1501, 50, 60}, Case{1200, 53, 60}, Case{1200, 50, 57}}) {
        ClickRemainder remainder = ArmedByPressAt(1000, 50, 60);
        EXPECT_TRUE(remainder.Swallows(Input::Release, 1080, 50, 60));
        EXPECT_FALSE(remainder.Swallows(Input::Press, late.time, late.x, late.y));
        EXPECT_FALSE(remainder.Swallows(Input::Release, late.time + 50, late.x, late.y));
    }
    ClickRemainder justInTime = ArmedByPressAt(1000, 50, 60);
    EXPECT_TRUE(justInTime.Swallows(Input::Press, 1500, 52, 62));
}

TEST(ClickRemainder, AReleaseThatEndedSomethingLeavesOnlyTheSecondClick) {
    ClickRemainder remainder;
    remainder.Arm(Input::Release, 1000, 10, 10, kLimits);
    EXPECT_TRUE(remainder.Swallows(Input::Press, 1100, 10, 10));
    EXPECT_TRUE(remainder.Swallows(Input::Release, 1150, 10, 10));
    EXPECT_FALSE(remainder.Swallows(Input::Release, 1160, 10, 10));
}

TEST(ClickRemainder, MessageTimesThatWrapRoundStillCount) {
    ClickRemainder remainder = ArmedByPressAt(0xFFFFFF00u, 5, 5);
    EXPECT_TRUE(remainder.Swallows(Input::Release, 0xFFFFFF80u, 5, 5));
    EXPECT_TRUE(remainder.Swallows(Input::Press, 0x00000010u, 5, 5));
}

TEST(ClickRemainder, UnarmedItTakesNothing) {
    ClickRemainder remainder;
    EXPECT_FALSE(remainder.Swallows(Input::Release, 10, 0, 0));
    EXPECT_FALSE(remainder.Swallows(Input::Press, 20, 0, 0));
}

} // namespace
