#pragma once
#include "Color.h"
#include "PaneGrid.h"

#include <array>
#include <functional>

// The registry section of every value below.
constexpr wchar_t kSettingsSection[] = L"Settings";

// Every value the program keeps in the registry, in the order they are written.
enum class Setting : int {
    Color,
    Topmost,
    X,
    Y,
    Theme,
    Panes,
    ActivePane,
    Language,
    Color1, // color1 .. color9: one per pane the display holds
    Color9 = Color1 + 8,
    Format,
    LockRed,
    LockGreen,
    LockBlue,
    Grid,
    Autostart,
    ZoomFactor,
    Loupe,
    Sample,
    CopyOnPick,
    Hotkey,
};
constexpr int kSettingCount = static_cast<int>(Setting::Hotkey) + 1;
constexpr int kMaxPaneColors = static_cast<int>(Setting::Color9) - static_cast<int>(Setting::Color1) + 1;

// "x" and "y" at or beyond this (both missing, for one) mean: no position stored.
constexpr int kNoPosition = 1000000;

// Ctrl+Alt+P as the system's hotkey control gives a key: the virtual key in the low byte, the
// modifiers (Shift 1, Ctrl 2, Alt 4) in the next; 0 is no key.
constexpr int kDefaultHotkey = 0x0650;
constexpr int kHotkeyBits = 0x0FFF;

// Which stored values the program takes; a refused one leaves the window as it was.
enum class Acceptance {
    Any,
    ColorValue,  // any; only the low three bytes are a colour, the top byte is dropped
    ZeroOrOne,   // latched states; anything else leaves them released
    NonZeroIsOn, // flags: every value counts, 0 as off
    Notation,    // 0 to 4
    Position,    // both "x" and "y" below kNoPosition, signed
    PaneIndex,   // 0 to the number of panes the display holds - 1
    ZoomFactor,  // one of the magnified view's factors
    SampleSide,  // 1, 3 or 5
    Hotkey,      // a key and modifiers in kHotkeyBits
};

struct SettingRow {
    const wchar_t* name;
    int defaultValue; // when the value is missing or unreadable
    Acceptance acceptance;
    int whenRefused; // what the window shows instead
};

const SettingRow& RowOf(Setting setting);

// The values by setting, plus how many pane colours go with them.
class Settings {
  public:
    // Every default; no pane colour.
    Settings();

    int Get(Setting setting) const { return values[Index(setting)]; }
    void Set(Setting setting, int value) { values[Index(setting)] = value; }
    ColorRef PaneColor(int pane) const { return static_cast<ColorRef>(Get(PaneColorSetting(pane))); }
    void SetPaneColor(int pane, ColorRef color) { Set(PaneColorSetting(pane), static_cast<int>(color)); }
    // color1 .. colorN are read or written; the rest are left alone.
    int paneColorCount = 0;

    static Setting PaneColorSetting(int pane) {
        return static_cast<Setting>(static_cast<int>(Setting::Color1) + pane);
    }

  private:
    static size_t Index(Setting setting) { return static_cast<size_t>(setting); }
    std::array<int, kSettingCount> values{};
};

// How many pane colours a start reads: no more than the count asks for, nor than the display holds.
int PaneColorsRead(int panes);

using SettingReader = std::function<int(const wchar_t* name, int defaultValue)>;
using SettingWriter = std::function<void(const wchar_t* name, int value)>;

// The stored values, with the defaults for missing ones; pane colours as PaneColorsRead says.
Settings ReadStoredSettings(const SettingReader& read);
// Every value in table order, pane colours up to paneColorCount.
void WriteSettings(const Settings& settings, const SettingWriter& write);

// Whether the program takes this stored value; some rules look at the other values.
bool IsAccepted(Setting setting, const Settings& stored);
// What the window shows for the stored values: refused ones replaced, flags made 0 or 1.
Settings Interpret(const Settings& stored);
