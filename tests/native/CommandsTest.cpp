#include "logic/ChannelLocks.h"
#include "logic/color/ClipboardText.h"
#include "logic/color/ColorNotation.h"
#include "logic/KeyCommands.h"
#include "logic/PickingKeys.h"
#include "logic/PointerTrail.h"
#include "logic/WheelSteps.h"

#include <gtest/gtest.h>

namespace {

constexpr int kRed = 0, kGreen = 1, kBlue = 2;

TEST(ChannelLocks, LockedChannelsMoveTogether) {
    // Red and blue locked; red dragged from 100 to 120 with green 80 and blue 50.
    EXPECT_EQ(ApplyLocks({120, 80, 50}, {100, 80, 50}, {true, false, true}, kRed), (Channels{120, 80, 70}));
}

TEST(ChannelLocks, ClampAtTheEndsAndDoNotRestoreTheDifference) {
    const LockStates all{true, true, true};
    const Channels first = ApplyLocks({30, 128, 250}, {10, 128, 250}, all, kRed);
    EXPECT_EQ(first, (Channels{30, 148, 255}));
    EXPECT_EQ(ApplyLocks({10, 148, 255}, first, all, kRed), (Channels{10, 128, 235}));
    EXPECT_EQ(ApplyLocks({0, 5, 200}, {20, 30, 220}, all, kRed), (Channels{0, 0, 180}));
}

TEST(ChannelLocks, UnlockedOrLonelyLocksChangeOnlyTheirChannel) {
    EXPECT_EQ(ApplyLocks({10, 99, 30}, {10, 20, 30}, {false, true, false}, kGreen), (Channels{10, 99, 30}));
    EXPECT_EQ(ApplyLocks({10, 99, 30}, {10, 20, 30}, {true, false, true}, kGreen), (Channels{10, 99, 30}));
    EXPECT_EQ(ApplyLocks({10, 20, 90}, {10, 20, 30}, {true, true, true}, 7), (Channels{10, 20, 90}));
}

TEST(ChannelLocks, BlueMovesTheOthersToo) {
    EXPECT_EQ(ApplyLocks({1, 2, 13}, {1, 2, 3}, {true, true, true}, kBlue), (Channels{11, 12, 13}));
}

// With Shift: the forms stylesheets and programs take; HSB becomes hsl(), and hsl() and
// device-cmyk() have a decimal where a whole number would name another colour.
TEST(ClipboardTexts, TheFormsForCode) {
    const struct {
        ColorRef color;
        const char* texts[kNotationCount]; // indexed by ColorNotation
    } rows[] = {
        {MakeColorRef(200, 100, 50),
         {"0x003264C8", "rgb(200, 100, 50)", "#C86432", "hsl(20, 60%, 49%)", "device-cmyk(0% 50% 75% 21.6%)"}},
        {MakeColorRef(255, 0, 1),
         {"0x000100FF", "rgb(255, 0, 1)", "#FF0001", "hsl(359.8, 100%, 50%)", "device-cmyk(0% 100% 99.6% 0%)"}},
        {MakeColorRef(10, 20, 30),
         {"0x001E140A", "rgb(10, 20, 30)", "#0A141E", "hsl(210, 50%, 7.8%)", "device-cmyk(67% 33% 0% 88.2%)"}},
        {MakeColorRef(255, 255, 255),
         {"0x00FFFFFF", "rgb(255, 255, 255)", "#FFFFFF", "hsl(0, 0%, 100%)", "device-cmyk(0% 0% 0% 0%)"}},
    };
    for (const auto& row : rows)
        for (int notation = 0; notation < kNotationCount; ++notation)
            EXPECT_EQ(CodeText(static_cast<ColorNotation>(notation), row.color), row.texts[notation]);
}

struct KeyRow {
    unsigned key;
    KeyAction action;
    int argument;
};

constexpr int NotationArgument(ColorNotation notation) {
    return static_cast<int>(notation);
}

// Without Ctrl, and with Ctrl for every key but C and V: the key table ignores it.
constexpr KeyRow kPlainKeys[] = {
    {'C', KeyAction::SetNotation, NotationArgument(ColorNotation::Colref)},
    {'R', KeyAction::SetNotation, NotationArgument(ColorNotation::Rgb)},
    {'H', KeyAction::SetNotation, NotationArgument(ColorNotation::Hex)},
    {'B', KeyAction::SetNotation, NotationArgument(ColorNotation::Hsb)},
    {'M', KeyAction::SetNotation, NotationArgument(ColorNotation::Cmyk)},
    {0x31, KeyAction::FlipLock, 0},
    {0x61, KeyAction::FlipLock, 0},
    {0x32, KeyAction::FlipLock, 1},
    {0x62, KeyAction::FlipLock, 1},
    {0x33, KeyAction::FlipLock, 2},
    {0x63, KeyAction::FlipLock, 2},
    {0x1B, KeyAction::CancelPicking, 0},
    {0x0D, KeyAction::PanelCommand, kCommandCopy},
    {0x20, KeyAction::PanelCommand, kCommandCopy},
    {0x70, KeyAction::PanelCommand, kCommandHelp},
    {'D', KeyAction::PanelCommand, kCommandColorDialog},
    {'P', KeyAction::PanelCommand, kCommandPicker},
    {'Z', KeyAction::PanelCommand, kCommandZoomPicker},
    {'O', KeyAction::PanelCommand, kCommandOptions},
    {'A', KeyAction::PanelCommand, kCommandAbout},
    {'T', KeyAction::PanelCommand, kCommandTopmost},
    {'V', KeyAction::None, 0},
    {0x09, KeyAction::None, 0},
    {0x25, KeyAction::None, 0},
    {0x34, KeyAction::None, 0},
    {0x64, KeyAction::None, 0},
    {'G', KeyAction::None, 0},
};

TEST(KeyCommands, TheKeyTableWithAndWithoutCtrl) {
    for (const KeyRow& row : kPlainKeys)
        for (bool control : {false, true}) {
            if (control && (row.key == 'C' || row.key == 'V'))
                continue;
            const KeyCommand command = CommandForKey(row.key, control);
            EXPECT_EQ(command.action, row.action) << row.key << (control ? " with Ctrl" : "");
            EXPECT_EQ(command.argument, row.argument) << row.key << (control ? " with Ctrl" : "");
        }
    // The copy and paste keys of every program.
    EXPECT_EQ(CommandForKey('C', true).action, KeyAction::PanelCommand);
    EXPECT_EQ(CommandForKey('C', true).argument, kCommandCopy);
    EXPECT_EQ(CommandForKey('V', true).action, KeyAction::Paste);
    // A held key copies once; the other commands run for each repeat as they always have.
    EXPECT_FALSE(RunsOnRepeat(CommandForKey('C', true)));
    EXPECT_FALSE(RunsOnRepeat(CommandForKey(kVkReturn, false)));
    EXPECT_TRUE(RunsOnRepeat(CommandForKey('1', false)));
}

} // namespace

namespace {

// Arrows move by one pixel, with Shift by ten, and stop at the virtual screen's edges, which
// may be negative; + and - on either keyboard step the magnification.
TEST(PickingKeys, ArrowsMoveThePointerOnTheScreenAndPlusAndMinusStepTheView) {
    const PixelRect screen{-1280, -200, 1024, 768};
    const struct {
        unsigned key;
        bool shift;
        PixelPoint from, to;
    } moves[] = {
        {kVkRight, false, {10, 10}, {11, 10}},   {kVkRight, true, {10, 10}, {20, 10}},
        {kVkDown, false, {10, 10}, {10, 11}},    {kVkUp, true, {10, -195}, {10, -200}},
        {kVkLeft, true, {-1275, 5}, {-1280, 5}}, {kVkRight, false, {1023, 767}, {1023, 767}},
    };
    for (const auto& move : moves) {
        const PickingKey key = PickingKeyFor(move.key, move.shift);
        ASSERT_EQ(key.action, PickingAction::MovePointer);
        EXPECT_EQ(MovedPointer(move.from, key.dx, key.dy, screen), move.to) << move.key;
    }
    EXPECT_EQ(PickingKeyFor(kVkReturn, true).action, PickingAction::Pick);
    EXPECT_EQ(PickingKeyFor(kVkSpace, false).action, PickingAction::Pick);
    EXPECT_EQ(PickingKeyFor(0x6B, false).dx, 1);  // keypad +
    EXPECT_EQ(PickingKeyFor(0xBD, false).dx, -1); // main -
    EXPECT_EQ(PickingKeyFor('P', false).action, PickingAction::None);
}

// A quick run of keys steps from where the last one left the pointer, whichever earlier place the
// system still reports; a move of the mouse itself starts a new run from there.
TEST(PickingKeys, AQuickRunStepsFromWhereTheLastKeyLeftThePointer) {
    PointerTrail trail;
    EXPECT_EQ(trail.Current({10, 10}), (PixelPoint{10, 10}));
    trail.MovedTo({11, 10});
    EXPECT_EQ(trail.Current({10, 10}), (PixelPoint{11, 10}));
    trail.MovedTo({12, 10});
    EXPECT_EQ(trail.Current({11, 10}), (PixelPoint{12, 10}));
    EXPECT_EQ(trail.Current({40, 7}), (PixelPoint{40, 7}));
    EXPECT_EQ(trail.Current({12, 10}), (PixelPoint{12, 10}));
}

// A step for each whole 120, however the turn is reported; a turn back starts afresh.
TEST(PickingKeys, TheWheelStepsOnceForEachWholeNotch) {
    WheelSteps wheel;
    EXPECT_EQ(wheel.Add(240), 2);
    EXPECT_EQ(wheel.Add(40) + wheel.Add(40), 0);
    EXPECT_EQ(wheel.Add(50), 1);
    EXPECT_EQ(wheel.Add(-100), 0);
    EXPECT_EQ(wheel.Add(-20), -1);
}

} // namespace
