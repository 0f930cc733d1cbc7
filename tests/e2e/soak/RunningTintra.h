#pragma once
// The Tintra the soak run is using: its process, what the user has chosen in it, the settings
// its last clean close stored, and what its window shows, read from the screen.
#include "../../win/AccessibleReader.h"
#include "SoakInput.h"
#include "logic/DpiScaling.h"
#include "logic/PaneLayout.h"
#include "logic/Theme.h"
#include "win/Colors.h"

#include <memory>
#include <optional>
#include <set>

namespace soak {

// The settings the program saves when it closes, by their registry names.
using Settings = std::map<std::wstring, long long>;
constexpr const wchar_t* kSettingNames[] = {
    L"color",    L"topmost", L"x",        L"y",          L"theme",     L"panes", L"active_pane",
    L"language", L"format",  L"lock_red", L"lock_green", L"lock_blue", L"grid",  L"autostart",
    L"loupe"};
constexpr const wchar_t* kLockNames[] = {L"lock_red", L"lock_green", L"lock_blue"};
constexpr wchar_t kCursorMarker[] = L"cursors_replaced";

inline Settings StoredSettings(int panes) {
    Settings stored;
    for (const wchar_t* name : kSettingNames)
        stored[name] = ReadSetting(name);
    for (int pane = 1; pane <= panes; ++pane)
        stored[L"color" + std::to_wstring(pane)] = ReadSetting((L"color" + std::to_wstring(pane)).c_str());
    return stored;
}

// The first value that differs, as "\"theme\" is 3, expected 5"; empty when all agree.
// Values missing from the expected settings are not compared.
inline std::string Difference(const Settings& found, const Settings& expected) {
    for (const auto& [name, value] : expected) {
        if (value < 0)
            continue;
        const auto it = found.find(name);
        const long long there = it == found.end() ? -1 : it->second;
        if (there != value)
            return "\"" + Utf8(name) + "\" is " + std::to_string(there) + ", expected " +
                   std::to_string(value);
    }
    return {};
}

inline std::string RgbText(ColorRef color) {
    return Utf8(NotationText(ColorNotation::Rgb, color));
}

// What the user has chosen in the options dialog; the program keeps it until it closes.
struct Choices {
    int panes = 4;
    int theme = kDefaultTheme;
    bool grid = true;
    bool autostart = false;
    bool russian = false;
    bool loupe = true;

    // As the last clean close stored them; missing values take their defaults.
    static Choices From(const Settings& stored) {
        const auto value = [&](const wchar_t* name, long long fallback) {
            return stored.at(name) < 0 ? fallback : stored.at(name);
        };
        return Choices{static_cast<int>(value(L"panes", 4)), static_cast<int>(value(L"theme", kDefaultTheme)),
                       value(L"grid", 1) != 0, value(L"autostart", 0) != 0, value(L"language", 0) != 0,
                       value(L"loupe", 1) != 0};
    }
};

// What a screen reader learns of the two picker buttons and the display.
struct PickerReaders {
    explicit PickerReaders(const TintraProcess& tintra)
        : picker(tintra.PanelButton(IDC_BUTTON_PICKER)), zoom(tintra.PanelButton(IDC_BUTTON_ZOOM)),
          display(tintra.Control(IDC_COLOR_DISPLAY)) {}
    AccessibleReader picker, zoom, display;
};

struct RunningTintra {
    explicit RunningTintra(int screenDpi) : dpi(screenDpi) {}

    ColorRef SliderColor() const {
        return MakeColorRef(TrackbarPos(process->Control(IDC_SLIDER_RED)),
                            TrackbarPos(process->Control(IDC_SLIDER_GREEN)),
                            TrackbarPos(process->Control(IDC_SLIDER_BLUE)));
    }
    // What each pane shows: the colour in its middle, and whether its frame shows it active.
    // A single pane fills the display, whose own frame covers the pane's.
    std::vector<std::pair<COLORREF, bool>> PanesShown() const {
        const HWND display = process->Control(IDC_COLOR_DISPLAY);
        const PixelRect client = win::ClientRect(display);
        const std::vector<PixelRect> panes = LayoutPanes(choices.panes, client.right, client.bottom, dpi);
        std::vector<std::pair<COLORREF, bool>> shown;
        for (const PixelRect& pane : panes) {
            const int y = (pane.top + pane.bottom) / 2;
            shown.emplace_back(ScreenPixel(display, (pane.left + pane.right) / 2, y),
                               panes.size() == 1 || ScreenPixel(display, pane.left, y) == kActivePaneFrame);
        }
        return shown;
    }

    // What the program would save now, read from the screen and the window, as the user sees it.
    Settings ShownSettings() const {
        const PixelRect window = win::ScreenRect(main);
        const auto mark =
            std::find_if(std::begin(kNotationRows), std::end(kNotationRows),
                         [&](const NotationRow& row) { return process->MarkIsSet(row.markId); });
        Settings shown;
        shown[L"color"] = static_cast<DWORD>(SliderColor());
        shown[L"x"] = static_cast<DWORD>(window.left);
        shown[L"y"] = static_cast<DWORD>(window.top);
        shown[L"topmost"] = (GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        shown[L"theme"] = choices.theme;
        shown[L"panes"] = choices.panes;
        shown[L"grid"] = choices.grid;
        shown[L"autostart"] = choices.autostart;
        shown[L"language"] = choices.russian;
        shown[L"loupe"] = choices.loupe;
        shown[L"format"] = mark == std::end(kNotationRows) ? 0 : mark - std::begin(kNotationRows);
        for (size_t i = 0; i < std::size(kChannels); ++i)
            shown[kLockNames[i]] = ScreenPixel(process->Control(kChannels[i].lockId), ScaleToDpi(2, dpi),
                                               ScaleToDpi(7, dpi)) != kReleasedLockFace;
        const auto panes = PanesShown();
        for (size_t i = 0; i < panes.size(); ++i) {
            shown[L"color" + std::to_wstring(i + 1)] = panes[i].first;
            if (panes[i].second)
                shown[L"active_pane"] = static_cast<long long>(i);
        }
        return shown;
    }

    // The empty text when a new start shows what the last clean close stored.
    std::string ShowsStoredSettings() const {
        // These come from the choices, which were read from the stored settings: the theme
        // is seen on the face, the pane count in the panes, the others in the options dialog.
        Settings expected = saved;
        for (const wchar_t* name : {L"theme", L"panes", L"grid", L"autostart", L"language"})
            expected.erase(name);
        if (const std::string wrong = Difference(ShownSettings(), expected); !wrong.empty())
            return "the window shows " + wrong + " as stored";
        return FaceProblem();
    }

    // The main window's face, left of the red slider, shows the theme's darker colour.
    std::string FaceProblem() const {
        const RECT slider = RectInParent(process->Control(IDC_SLIDER_RED));
        const ColorRef face =
            win::ToColorRef(ScreenPixel(main, slider.left - 2, (slider.top + slider.bottom) / 2));
        const ColorRef theme = LookupTheme(choices.theme).backgroundColor;
        if (face != theme)
            return "the face shows " + RgbText(face) + ", theme " + std::to_string(choices.theme) + " has " +
                   RgbText(theme);
        return {};
    }

    // The settings as stored now, by the names the last clean close stored.
    Settings StoredNow() const {
        Settings now;
        for (const auto& entry : saved)
            now[entry.first] = ReadSetting(entry.first.c_str());
        return now;
    }

    // In front and active again, as after a dialog has gone: a click then reaches it.
    bool MainIsActive() const {
        return WaitFor(
            [&] { return GetForegroundWindow() == main && GuiInfo(process->UiThread()).hwndActive == main; },
            kEffectTimeoutMs);
    }
    // Whether the main window answers the message in time: it has handled every input given before.
    bool Answers(DWORD timeoutMs, UINT flags = SMTO_NORMAL, UINT message = WM_NULL, WPARAM wParam = 0,
                 LPARAM lParam = 0) const {
        DWORD_PTR answer;
        return SendMessageTimeoutW(main, message, wParam, lParam, flags, timeoutMs, &answer) != 0;
    }

    // After a dialog: the colour that was chosen, and the stored settings as the last clean
    // close left them, since nothing is written while the program runs.
    std::string Agrees(ColorRef color) const {
        if (!WaitFor([&] { return IsWindowEnabled(main) != FALSE; }, kEffectTimeoutMs) || !MainIsActive())
            return "the main window takes no input after the dialog; in front: " +
                   Describe(GetForegroundWindow());
        std::string problem;
        WaitFor(
            [&] {
                const ColorRef sliders = SliderColor();
                problem = sliders == color
                              ? FaceProblem()
                              : "the sliders show " + RgbText(sliders) + ", expected " + RgbText(color);
                return problem.empty();
            },
            kSettleTimeoutMs);
        if (!problem.empty())
            return problem;
        if (const std::string wrong = Difference(StoredNow(), saved); !wrong.empty())
            return "the stored settings changed while the program ran: " + wrong;
        return {};
    }

    const int dpi;
    std::unique_ptr<TintraProcess> process;
    std::unique_ptr<PickerReaders> pickers;
    HWND main = nullptr;
    Choices choices;
    Settings saved;
    std::set<int> dialogsOpened; // by the button that opens each
    // The current colour when a new pane count left the active pane with a colour of its own.
    std::optional<ColorRef> colourKeptApart;
};

} // namespace soak
