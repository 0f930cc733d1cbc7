#include "SettingsTable.h"

#include "Loupe.h"
#include "Theme.h"
#include "ZoomGeometry.h"

#include <algorithm>

namespace {

constexpr int kDefaultPanes = 4;
constexpr int kColorBits = 0x00FFFFFF;

// In the order of Setting.
constexpr SettingRow kRows[kSettingCount] = {
    {L"color", 0, Acceptance::ColorValue, 0},
    // A refused value leaves the topmost button up: not the default, which is on.
    {L"topmost", 1, Acceptance::ZeroOrOne, 0},
    {L"x", kNoPosition, Acceptance::Position, kNoPosition},
    {L"y", kNoPosition, Acceptance::Position, kNoPosition},
    // Out of range shows theme 1 but is kept, and saved back as it was.
    {L"theme", kDefaultTheme, Acceptance::Any, kDefaultTheme},
    // The display makes one pane of an unknown count; the count itself is kept.
    {L"panes", kDefaultPanes, Acceptance::Any, kDefaultPanes},
    {L"active_pane", 0, Acceptance::PaneIndex, 0},
    {L"language", 0, Acceptance::NonZeroIsOn, 0},
    {L"color1", 0, Acceptance::ColorValue, 0},
    {L"color2", 0, Acceptance::ColorValue, 0},
    {L"color3", 0, Acceptance::ColorValue, 0},
    {L"color4", 0, Acceptance::ColorValue, 0},
    {L"color5", 0, Acceptance::ColorValue, 0},
    {L"color6", 0, Acceptance::ColorValue, 0},
    {L"color7", 0, Acceptance::ColorValue, 0},
    {L"color8", 0, Acceptance::ColorValue, 0},
    {L"color9", 0, Acceptance::ColorValue, 0},
    {L"format", 0, Acceptance::Notation, 0},
    {L"lock_red", 0, Acceptance::ZeroOrOne, 0},
    {L"lock_green", 0, Acceptance::ZeroOrOne, 0},
    {L"lock_blue", 0, Acceptance::ZeroOrOne, 0},
    {L"grid", 1, Acceptance::NonZeroIsOn, 1},
    {L"autostart", 0, Acceptance::NonZeroIsOn, 0},
    {L"zoom_factor", kZoomFactor, Acceptance::ZoomFactor, kZoomFactor},
    {L"loupe", 1, Acceptance::NonZeroIsOn, 1},
    {L"sample", 1, Acceptance::SampleSide, 1},
    {L"copy_on_pick", 0, Acceptance::NonZeroIsOn, 0},
    {L"hotkey", kDefaultHotkey, Acceptance::Hotkey, kDefaultHotkey},
};

bool IsPaneColor(Setting setting) {
    return setting >= Setting::Color1 && setting <= Setting::Color9;
}

int PaneNumber(Setting setting) {
    return static_cast<int>(setting) - static_cast<int>(Setting::Color1);
}

// The one loop of reading and writing: every row in table order, pane colours only up to
// the count, which is asked at each colour ("panes" comes first, so a read count is known).
template <typename Count, typename Visit> void ForEachStored(Count paneColorCount, Visit visit) {
    for (int i = 0; i < kSettingCount; ++i) {
        const auto setting = static_cast<Setting>(i);
        if (IsPaneColor(setting) && PaneNumber(setting) >= paneColorCount())
            continue;
        visit(setting, kRows[i]);
    }
}

} // namespace

const SettingRow& RowOf(Setting setting) {
    return kRows[static_cast<size_t>(setting)];
}

Settings::Settings() {
    for (int i = 0; i < kSettingCount; ++i)
        values[static_cast<size_t>(i)] = kRows[i].defaultValue;
}

int PaneColorsRead(int panes) {
    return std::max(0, std::min(panes, HeldPaneCount(panes)));
}

Settings ReadStoredSettings(const SettingReader& read) {
    Settings settings;
    ForEachStored([&] { return PaneColorsRead(settings.Get(Setting::Panes)); },
                  [&](Setting setting, const SettingRow& row) {
                      settings.Set(setting, read(row.name, row.defaultValue));
                  });
    settings.paneColorCount = PaneColorsRead(settings.Get(Setting::Panes));
    return settings;
}

void WriteSettings(const Settings& settings, const SettingWriter& write) {
    ForEachStored([&] { return settings.paneColorCount; },
                  [&](Setting setting, const SettingRow& row) { write(row.name, settings.Get(setting)); });
}

bool IsAccepted(Setting setting, const Settings& stored) {
    const int value = stored.Get(setting);
    switch (RowOf(setting).acceptance) {
    case Acceptance::Any:
    case Acceptance::ColorValue:
    case Acceptance::NonZeroIsOn:
        return true;
    case Acceptance::ZeroOrOne:
        return value == 0 || value == 1;
    case Acceptance::Notation:
        return IsNotation(value);
    case Acceptance::Position:
        return stored.Get(Setting::X) < kNoPosition && stored.Get(Setting::Y) < kNoPosition;
    case Acceptance::PaneIndex:
        return value >= 0 && value < HeldPaneCount(stored.Get(Setting::Panes));
    case Acceptance::ZoomFactor:
        return IsZoomFactor(value);
    case Acceptance::SampleSide:
        return IsSampleSide(value);
    case Acceptance::Hotkey:
        return (value & ~kHotkeyBits) == 0;
    }
    return false;
}

Settings Interpret(const Settings& stored) {
    Settings shown = stored;
    for (int i = 0; i < kSettingCount; ++i) {
        const auto setting = static_cast<Setting>(i);
        if (!IsAccepted(setting, stored))
            shown.Set(setting, kRows[i].whenRefused);
        else if (kRows[i].acceptance == Acceptance::NonZeroIsOn)
            shown.Set(setting, stored.Get(setting) != 0 ? 1 : 0);
        else if (kRows[i].acceptance == Acceptance::ColorValue)
            shown.Set(setting, stored.Get(setting) & kColorBits);
    }
    return shown;
}
