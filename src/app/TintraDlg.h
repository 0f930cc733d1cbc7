#pragma once
#include "../color/InfoCtrl.h"
#include "../display/ColorDisplay.h"
#include "../logic/ChannelLocks.h"
#include "../logic/ClickRemainder.h"
#include "../logic/color/ClipboardText.h"
#include "../logic/color/ColorNotation.h"
#include "../logic/KeyCommands.h"
#include "../logic/MainLayout.h"
#include "../logic/OptionChoices.h"
#include "../logic/PointerTrail.h"
#include "../logic/SettingsTable.h"
#include "../logic/Theme.h"
#include "../logic/WheelSteps.h"
#include "../ui/PanelCtrl.h"
#include "../ui/UButton.h"
#include "../win/Controls.h"
#include "../win/Dialog.h"
#include "../win/GlobalHotkey.h"
#include "../win/Handles.h"
#include "ScreenPicker.h"
#include "Slider.h"

#include <array>
#include <optional>

// The main window: owns every child, holds the current colour and the picking modes.
class CTintraDlg : public win::Dialog {
  public:
    CTintraDlg();

    // The one way in for a colour from outside: picking, panes, dialogs, start-up.
    void SetCurrentColor(ColorRef color);
    // Makes the slider positions the colour of the active pane and of the information panel.
    void ApplySliders();
    void CopyToClipboard(CopyForm form);
    // The text goes on the clipboard, replacing what was there; nothing changes when it cannot.
    void PutOnClipboard(const std::string& text);
    // The colour the clipboard's text names becomes current, as a pick would make it.
    void PasteFromClipboard();
    // What the user set survives: read once at start-up, before the window is made, shown
    // once it is, and written on closing.
    void LoadSettings();
    void SaveSettings();
    BOOL PreTranslateMessage(MSG* msg) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    void OnDpiChanged(int newDpi) override;
    bool TakesBeforeChildren(const MSG& msg) override;
    void OnHandleMade() override;

  private:
    static constexpr int kChannels = kChannelCount;
    static constexpr int kPickerHotkeyId = 1;

    LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam);
    void OnClose();
    void RestorePosition(int x, int y);
    LRESULT OnCtlColor(HDC dc) const;
    void ApplyTheme(ColorRef oldBackground);
    void CreateLockButtons(const MainLayout& layout);
    void PlaceLocks(const MainLayout& layout);
    void PlaceInfoPanel(const MainLayout& layout);
    void MakeRoomForToolPanel();
    void OnPaneSelected();
    // The "Copy as" menu of a pane, or of the copy button for the current colour; false for a
    // right click it does not answer.
    bool OnContextMenu(HWND source, POINT screen);
    // The colour shown as current by the sliders and the information panel, the locks released.
    void ShowAsCurrent(ColorRef color);
    bool OnPickingKey(unsigned virtualKey, bool repeated, POINT pointer, bool viewing);
    void StepZoom(int steps, POINT pointer, bool viewing);
    // Where the picking keys put the pointer, or where the mouse has put it since; nothing when
    // the system does not say.
    std::optional<PixelPoint> PointerNow();
    // The rest of the click whose input (a press or a release) has just ended a dialog or a
    // mode is passed over: it must not reach the window that lies under it now.
    void PassOverRestOfClick(const MSG& ending);
    bool IsRestOfEndedClick(const MSG& msg);
    void OnPanelCommand(int command);
    void OnSliderMoved(int sliderId);
    void RunKey(unsigned virtualKey, bool repeated);
    void ApplyTopmost();
    void OnHotkey();
    void OnMouseMove(POINT clientPoint);
    void ReadSettings();
    void OpenHelp() const;
    // The dialog commands (DialogCommands.cpp).
    void RunColorDialog();
    void RunOptionsDialog();
    void ApplyOptions(const OptionValues& values);
    void RunAboutDialog();
    Channels SliderPositions() const;
    bool IsSlider(HWND window) const;
    UButton& PanelButton(int id);

    CColorDisplay colorDisplay;
    InfoCtrl infoPanel;
    PanelCtrl toolPanel;
    ColorRef backgroundColor;
    ColorRef panelColor;
    win::BrushHandle backgroundBrush;
    // The picking modes, their capture and the system cursors they replace.
    ScreenPicker picker{*this, colorDisplay, toolPanel, [this](ColorRef color) { SetCurrentColor(color); },
                        [this] { return PointerNow(); }};
    HICON icon;
    Channels lastSliderValues{};
    std::array<UButton, kChannels> lockButtons;
    std::array<CSlider, kChannels> sliders;
    win::ToolTip toolTip;
    int colorTheme = kDefaultTheme;
    int paneCount = 4;
    bool gridFlag = true;
    bool autostartFlag = false;
    bool loupeFlag = true;
    bool copyOnPickFlag = false;
    int sampleSide = 1;
    int hotkey = 0;
    win::GlobalHotkey pickerHotkey{kPickerHotkeyId};
    std::array<win::StaticText, kChannels> labels;
    Settings storedAtStart; // as read before the window was made
    ClickRemainder clickRemainder;
    PointerTrail keyedPointer;
    WheelSteps wheelSteps;
};
