#include "logic/ScreenPlacement.h"
#include "logic/SettingsTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

namespace {

// A registry section in memory that remembers the order values were asked for.
struct FakeSection {
    std::map<std::wstring, int> stored;
    std::vector<std::wstring> asked;

    SettingReader Reader() {
        return [this](const wchar_t* name, int defaultValue) {
            asked.push_back(name);
            const auto found = stored.find(name);
            return found == stored.end() ? defaultValue : found->second;
        };
    }
    SettingWriter Writer() {
        return [this](const wchar_t* name, int value) {
            asked.push_back(name);
            stored[name] = value;
        };
    }
};

Settings Shown(std::map<std::wstring, int> stored) {
    FakeSection section{std::move(stored), {}};
    return Interpret(ReadStoredSettings(section.Reader()));
}

const std::vector<std::wstring> kWriteOrder = {
    L"color",        L"topmost",   L"x",      L"y",         L"theme",       L"panes",  L"active_pane",
    L"language",     L"color1",    L"color2", L"color3",    L"color4",      L"format", L"lock_red",
    L"lock_green",   L"lock_blue", L"grid",   L"autostart", L"zoom_factor", L"loupe",  L"sample",
    L"copy_on_pick", L"hotkey"};

TEST(SettingsTable, FirstStartGivesEveryDefault) {
    FakeSection empty;
    const Settings shown = Interpret(ReadStoredSettings(empty.Reader()));
    EXPECT_EQ(shown.Get(Setting::Color), 0);
    EXPECT_EQ(shown.Get(Setting::Topmost), 1);
    EXPECT_EQ(shown.Get(Setting::X), kNoPosition);
    EXPECT_EQ(shown.Get(Setting::Y), kNoPosition);
    EXPECT_EQ(shown.Get(Setting::Theme), 4);
    EXPECT_EQ(shown.Get(Setting::Panes), 4);
    EXPECT_EQ(shown.Get(Setting::ActivePane), 0);
    EXPECT_EQ(shown.Get(Setting::Language), 0);
    EXPECT_EQ(shown.paneColorCount, 4);
    for (int pane = 0; pane < 4; ++pane)
        EXPECT_EQ(shown.PaneColor(pane), ColorRef{});
    EXPECT_EQ(shown.Get(Setting::Format), 0);
    EXPECT_EQ(shown.Get(Setting::LockRed), 0);
    EXPECT_EQ(shown.Get(Setting::LockGreen), 0);
    EXPECT_EQ(shown.Get(Setting::LockBlue), 0);
    EXPECT_EQ(shown.Get(Setting::Grid), 1);
    EXPECT_EQ(shown.Get(Setting::Autostart), 0);
    EXPECT_EQ(shown.Get(Setting::Loupe), 1);
    EXPECT_EQ(shown.Get(Setting::Sample), 1);
    EXPECT_EQ(shown.Get(Setting::CopyOnPick), 0);
    EXPECT_EQ(shown.Get(Setting::Hotkey), kDefaultHotkey);
    // Every name is asked for once, the four pane colours of the default count included.
    EXPECT_EQ(empty.asked, kWriteOrder);
}

struct AcceptanceRow {
    const wchar_t* name;
    int stored;
    int panes; // the stored pane count the rule may look at
    Setting setting;
    bool accepted;
    int shown;
};

const AcceptanceRow kAcceptance[] = {
    {L"color", -1, 4, Setting::Color, true, 0x00FFFFFF}, // a COLORREF has no top byte
    {L"color2", 0x7F123456, 4, Settings::PaneColorSetting(1), true, 0x00123456},
    {L"topmost", 0, 4, Setting::Topmost, true, 0},
    {L"topmost", 1, 4, Setting::Topmost, true, 1},
    {L"topmost", 2, 4, Setting::Topmost, false, 0}, // the button stays up
    {L"topmost", -1, 4, Setting::Topmost, false, 0},
    {L"theme", 0, 4, Setting::Theme, true, 0}, // shown as theme 1, kept as it was
    {L"theme", 7, 4, Setting::Theme, true, 7},
    {L"theme", -1, 4, Setting::Theme, true, -1},
    {L"panes", 3, 3, Setting::Panes, true, 3},
    {L"panes", INT_MAX, INT_MAX, Setting::Panes, true, INT_MAX},
    {L"active_pane", 3, 4, Setting::ActivePane, true, 3},
    {L"active_pane", 4, 4, Setting::ActivePane, false, 0},
    {L"active_pane", 5, 4, Setting::ActivePane, false, 0},
    {L"active_pane", -1, 4, Setting::ActivePane, false, 0},
    {L"active_pane", 8, 9, Setting::ActivePane, true, 8},
    {L"active_pane", 1, 3, Setting::ActivePane, false, 0}, // three panes make one
    {L"active_pane", 1, 2, Setting::ActivePane, true, 1},
    {L"language", 0, 4, Setting::Language, true, 0},
    {L"language", 7, 4, Setting::Language, true, 1},
    {L"language", INT_MIN, 4, Setting::Language, true, 1},
    {L"format", 0, 4, Setting::Format, true, 0},
    {L"format", 4, 4, Setting::Format, true, 4},
    {L"format", 5, 4, Setting::Format, false, 0},
    {L"format", 7, 4, Setting::Format, false, 0}, // COLREF stays marked
    {L"format", -1, 4, Setting::Format, false, 0},
    {L"lock_red", 1, 4, Setting::LockRed, true, 1},
    {L"lock_red", 2, 4, Setting::LockRed, false, 0},
    {L"lock_green", 1, 4, Setting::LockGreen, true, 1},
    {L"lock_green", -1, 4, Setting::LockGreen, false, 0},
    {L"lock_blue", 1, 4, Setting::LockBlue, true, 1},
    {L"lock_blue", 1000000, 4, Setting::LockBlue, false, 0},
    {L"grid", 0, 4, Setting::Grid, true, 0},
    {L"grid", 5, 4, Setting::Grid, true, 1},
    {L"grid", -1, 4, Setting::Grid, true, 1},
    {L"autostart", 1, 4, Setting::Autostart, true, 1},
    {L"autostart", INT_MAX, 4, Setting::Autostart, true, 1},
    {L"zoom_factor", 8, 4, Setting::ZoomFactor, true, 8},
    {L"zoom_factor", 5, 4, Setting::ZoomFactor, false, 4},
    {L"loupe", 0, 4, Setting::Loupe, true, 0},
    {L"loupe", 2, 4, Setting::Loupe, true, 1},
    {L"sample", 5, 4, Setting::Sample, true, 5},
    {L"sample", 2, 4, Setting::Sample, false, 1},
    {L"copy_on_pick", 3, 4, Setting::CopyOnPick, true, 1},
    {L"hotkey", 0, 4, Setting::Hotkey, true, 0},
    {L"hotkey", 0x0171, 4, Setting::Hotkey, true, 0x0171},
    {L"hotkey", 0x1050, 4, Setting::Hotkey, false, kDefaultHotkey},
};

TEST(SettingsTable, AcceptsWhatTheTableSaysAndShowsTheRestAsBefore) {
    for (const AcceptanceRow& row : kAcceptance) {
        SCOPED_TRACE(std::wstring(row.name) + L" = " + std::to_wstring(row.stored));
        FakeSection section{{{row.name, row.stored}, {L"panes", row.panes}}, {}};
        const Settings stored = ReadStoredSettings(section.Reader());
        EXPECT_EQ(IsAccepted(row.setting, stored), row.accepted);
        EXPECT_EQ(Interpret(stored).Get(row.setting), row.shown);
    }
}

struct PositionRow {
    std::map<std::wstring, int> stored;
    int x, y;
};

TEST(SettingsTable, APositionNeedsBothValuesBelowTheLimit) {
    const PositionRow rows[] = {
        {{{L"x", 100}}, kNoPosition, kNoPosition}, // "y" missing
        {{{L"y", 100}}, kNoPosition, kNoPosition},
        {{{L"x", -1200}, {L"y", 40}}, -1200, 40},
        {{{L"x", 999999}, {L"y", 0}}, 999999, 0},
        {{{L"x", 10}, {L"y", 1000000}}, kNoPosition, kNoPosition},
        {{{L"x", INT_MIN}, {L"y", INT_MIN}}, INT_MIN, INT_MIN}, // left to the screen check
    };
    for (const PositionRow& row : rows) {
        const Settings shown = Shown(row.stored);
        EXPECT_EQ(shown.Get(Setting::X), row.x);
        EXPECT_EQ(shown.Get(Setting::Y), row.y);
    }
}

TEST(SettingsTable, PaneColoursFollowThePanesTheDisplayHolds) {
    const struct {
        int panes;
        int read;
        int held;
    } rows[] = {{1, 1, 1}, {2, 2, 2}, {3, 1, 1},  {4, 4, 4},  {6, 6, 6},
                {9, 9, 9}, {0, 0, 1}, {-5, 0, 1}, {10, 1, 1}, {INT_MIN, 0, 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.panes);
        EXPECT_EQ(HeldPaneCount(row.panes), row.held);
        FakeSection section{{{L"panes", row.panes}}, {}};
        for (int i = 1; i <= kMaxPaneColors; ++i)
            section.stored[L"color" + std::to_wstring(i)] = i;
        const Settings stored = ReadStoredSettings(section.Reader());
        EXPECT_EQ(stored.paneColorCount, row.read);
        for (int pane = 0; pane < kMaxPaneColors; ++pane)
            EXPECT_EQ(stored.PaneColor(pane), static_cast<ColorRef>(pane < row.read ? pane + 1 : 0));
    }
}

TEST(SettingsTable, ThreePanesReadAndWriteColor1Only) {
    FakeSection section{{{L"panes", 3}, {L"color1", 0x123456}, {L"color2", 0x654321}}, {}};
    Settings settings = ReadStoredSettings(section.Reader());
    EXPECT_EQ(settings.PaneColor(0), ColorRef{0x123456});
    EXPECT_EQ(settings.PaneColor(1), ColorRef{});
    FakeSection written;
    WriteSettings(settings, written.Writer());
    EXPECT_EQ(written.stored.count(L"color1"), 1u);
    EXPECT_EQ(written.stored.count(L"color2"), 0u);
    EXPECT_EQ(written.stored[L"panes"], 3);
}

TEST(SettingsTable, WritesEveryValueInOrderAndReadsItBack) {
    Settings settings;
    settings.Set(Setting::Color, 0x00563412);
    settings.Set(Setting::Topmost, 0);
    settings.Set(Setting::X, -1200);
    settings.Set(Setting::Y, 40);
    settings.Set(Setting::Theme, 2);
    settings.Set(Setting::ActivePane, 3);
    settings.Set(Setting::Language, 1);
    settings.paneColorCount = 4;
    for (int pane = 0; pane < 4; ++pane)
        settings.SetPaneColor(pane, static_cast<ColorRef>(0x10 * (pane + 1)));
    settings.Set(Setting::Format, 3);
    settings.Set(Setting::LockBlue, 1);
    settings.Set(Setting::Grid, 0);
    settings.Set(Setting::Autostart, 1);

    FakeSection section;
    WriteSettings(settings, section.Writer());
    EXPECT_EQ(section.asked, kWriteOrder);
    section.asked.clear();
    const Settings back = ReadStoredSettings(section.Reader());
    for (int i = 0; i < kSettingCount; ++i)
        EXPECT_EQ(back.Get(static_cast<Setting>(i)), settings.Get(static_cast<Setting>(i))) << i;
}

struct PlacementRow {
    const char* what;
    int x, y;
    bool reachable;
};

TEST(ScreenPlacement, EnoughOfTheCaptionToGrabMustLieOnAWorkArea) {
    // A 1024 x 768 monitor with a taskbar at the bottom, and one to its left.
    const std::vector<PixelRect> areas = {{0, 0, 1024, 738}, {-1280, 0, 0, 1024}};
    const int width = 280, caption = 24;
    const PlacementRow rows[] = {
        {"on the main monitor", 100, 50, true},
        {"on the left monitor", -1200, 40, true},
        {"two caption heights on at the right edge", 976, 10, true},
        {"a pixel less at the right edge", 977, 10, false},
        {"a sliver at the left monitor's left edge", -1550, 10, false},
        {"the lower half of the caption on the screen", 100, -12, true},
        {"a pixel less of its height", 100, -13, false},
        {"a single pixel row of the caption", 100, -23, false},
        {"caption just above the screen", 100, -24, false},
        {"astride the two monitors", -30, 10, true},
        {"20 pixels on the left monitor, 8 rows above the taskbar", -20, 730, false},
        {"right of every monitor", 1024, 10, false},
        {"on the taskbar only", 100, 738, false},
        {"below the left monitor", -1200, 1024, false},
        {"far away", 500000, 500000, false},
        {"at the far negative end", INT_MIN, INT_MIN, false},
        {"at the far positive end", INT_MAX, INT_MAX, false},
    };
    for (const PlacementRow& row : rows)
        EXPECT_EQ(CaptionReachable(row.x, row.y, width, caption, areas), row.reachable) << row.what;
    EXPECT_FALSE(CaptionReachable(100, 50, width, caption, {}));
    // A window narrower than two caption heights shows its whole caption.
    EXPECT_TRUE(CaptionReachable(1024 - 40, 10, 40, caption, areas));
    EXPECT_FALSE(CaptionReachable(1024 - 39, 10, 40, caption, areas));
}

} // namespace
