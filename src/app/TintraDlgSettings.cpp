// The main window's side of the settings: what it shows of the stored values at start-up,
// and what it stores when it closes or Windows ends the session.
#include "TintraDlg.h"

#include "../../res/resource.h"
#include "../logic/Language.h"
#include "../logic/ScreenPlacement.h"
#include "../logic/SettingsTable.h"
#include "../win/App.h"
#include "../win/WindowRects.h"
#include "StartWithWindows.h"

namespace {

// The settings' key is opened once for all the values read or written together.
SettingReader ProfileReader(const win::ProfileSection& section) {
    return [&section](const wchar_t* name, int defaultValue) { return section.GetInt(name, defaultValue); };
}

SettingWriter ProfileWriter(const win::ProfileSection& section) {
    return [&section](const wchar_t* name, int value) { section.WriteInt(name, value); };
}

std::vector<PixelRect> MonitorWorkAreas() {
    std::vector<PixelRect> areas;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM found) -> BOOL {
            MONITORINFO info{sizeof(info)};
            if (GetMonitorInfoW(monitor, &info)) {
                reinterpret_cast<std::vector<PixelRect>*>(found)->push_back(win::ToPixelRect(info.rcWork));
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&areas));
    return areas;
}

constexpr Setting kLockSettings[] = {Setting::LockRed, Setting::LockGreen, Setting::LockBlue};

int IsDownAsSetting(const UButton& button) {
    return button.IsDown() ? 1 : 0;
}

} // namespace

// The language names the texts of the children; topmost is given to the window at its making.
void CTintraDlg::ReadSettings() {
    const win::ProfileSection section = win::App::Current().OpenProfileSection(kSettingsSection);
    storedAtStart = ReadStoredSettings(ProfileReader(section));
    SetRussian(storedAtStart.Get(Setting::Language) != 0);
    if (Interpret(storedAtStart).Get(Setting::Topmost))
        AddCreationExStyle(WS_EX_TOPMOST);
}

void CTintraDlg::LoadSettings() {
    const Settings shown = Interpret(storedAtStart);
    SetCurrentColor(static_cast<ColorRef>(shown.Get(Setting::Color)));
    // The window is already in the band the button shows.
    PanelButton(IDC_BUTTON_TOPMOST).SetDown(shown.Get(Setting::Topmost));

    if (IsAccepted(Setting::X, shown))
        RestorePosition(shown.Get(Setting::X), shown.Get(Setting::Y));

    colorTheme = shown.Get(Setting::Theme);
    paneCount = shown.Get(Setting::Panes);
    infoPanel.SetNotation(shown.Get(Setting::Format));
    colorDisplay.SetNotation(infoPanel.GetNotation());
    gridFlag = shown.Get(Setting::Grid) != 0;
    autostartFlag = shown.Get(Setting::Autostart) != 0;
    loupeFlag = shown.Get(Setting::Loupe) != 0;
    copyOnPickFlag = shown.Get(Setting::CopyOnPick) != 0;
    sampleSide = shown.Get(Setting::Sample);
    hotkey = shown.Get(Setting::Hotkey);
    picker.SetOptions(loupeFlag, sampleSide);

    colorDisplay.SetGrid(gridFlag);
    colorDisplay.SetZoomFactor(shown.Get(Setting::ZoomFactor));
    colorDisplay.SetPaneCount(paneCount);
    for (int pane = 0; pane < shown.paneColorCount && pane < colorDisplay.GetPaneCount(); ++pane)
        colorDisplay.SetPaneColor(pane, ToArgb(shown.PaneColor(pane)));
    colorDisplay.SetActivePane(shown.Get(Setting::ActivePane));

    for (size_t i = 0; i < kChannels; ++i)
        lockButtons[i].SetDown(shown.Get(kLockSettings[i]));
}

// Only where the caption can still be seen and grabbed: the monitor the position was saved
// on may be gone. Otherwise the window keeps the place the platform gave it.
void CTintraDlg::RestorePosition(int x, int y) {
    const PixelRect window = win::ScreenRect(Hwnd());
    POINT clientOrigin{0, 0};
    ClientToScreen(Hwnd(), &clientOrigin);
    const int captionHeight = clientOrigin.y - window.top;
    if (CaptionReachable(x, y, window.Width(), captionHeight, MonitorWorkAreas()))
        win::MoveWindowTo(Hwnd(), PixelRect{x, y, x + window.Width(), y + window.Height()});
}

void CTintraDlg::SaveSettings() {
    const PixelRect window = win::ScreenRect(Hwnd());
    Settings stored;
    stored.Set(Setting::Color, static_cast<int>(infoPanel.GetColor()));
    stored.Set(Setting::Topmost, IsDownAsSetting(PanelButton(IDC_BUTTON_TOPMOST)));
    stored.Set(Setting::X, window.left);
    stored.Set(Setting::Y, window.top);
    stored.Set(Setting::Theme, colorTheme);
    stored.Set(Setting::Panes, paneCount);
    stored.Set(Setting::ActivePane, colorDisplay.GetActivePane());
    stored.Set(Setting::Language, IsRussian() ? 1 : 0);
    stored.paneColorCount = colorDisplay.GetPaneCount();
    for (int pane = 0; pane < stored.paneColorCount; ++pane)
        stored.SetPaneColor(pane, ToColorRef(colorDisplay.GetPaneColor(pane)));
    stored.Set(Setting::Format, static_cast<int>(infoPanel.GetNotation()));
    for (size_t i = 0; i < kChannels; ++i)
        stored.Set(kLockSettings[i], IsDownAsSetting(lockButtons[i]));
    stored.Set(Setting::Grid, gridFlag ? 1 : 0);
    stored.Set(Setting::Autostart, autostartFlag ? 1 : 0);
    stored.Set(Setting::ZoomFactor, colorDisplay.GetZoomFactor());
    stored.Set(Setting::Loupe, loupeFlag ? 1 : 0);
    stored.Set(Setting::Sample, sampleSide);
    stored.Set(Setting::CopyOnPick, copyOnPickFlag ? 1 : 0);
    stored.Set(Setting::Hotkey, hotkey);
    const win::ProfileSection section = win::App::Current().OpenProfileSection(kSettingsSection);
    WriteSettings(stored, ProfileWriter(section));
    UpdateStartWithWindows(autostartFlag, win::ExecutablePath());
}
