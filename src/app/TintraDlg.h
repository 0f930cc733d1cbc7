#pragma once
#include "../color/ColorNotation.h"
#include "../color/InfoCtrl.h"
#include "../display/ColorDisplay.h"
#include "../ui/PanelCtrl.h"
#include "../ui/UButton.h"
#include "ChannelLocks.h"
#include "../core/KeyCommands.h"
#include "Slider.h"
#include "SystemCursors.h"
#include "../win/Controls.h"
#include "../win/Dialog.h"
#include "../win/Handles.h"

#include <array>

// The main window: owns every child, holds the current colour and the picking modes.
class CTintraDlg : public win::Dialog {
  public:
    CTintraDlg();

    // The one way in for a colour from outside: picking, panes, dialogs, start-up.
    void SetCurrentColor(ColorRef color);
    // Makes the slider positions the colour of the active pane and of the information panel.
    void ApplySliders();
    void CopyToClipboard();
    BOOL PreTranslateMessage(MSG* msg) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange() override;
    BOOL OnInitDialog() override;

  private:
    static constexpr int kChannels = kChannelCount;

    LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnClose();
    LRESULT OnCtlColor(HDC dc) const;
    void ApplyTheme(ColorRef oldBackground);
    void CreateLockButtons();
    void OnPaneSelected();
    void OnPanelCommand(int command);
    void OnSliderMoved(int sliderId);
    void RunKey(unsigned virtualKey);
    void StartOrStopPicker();
    void PickScreenColor(POINT clientPoint);
    void CancelPicking();
    void EndPickerWait();
    void EndZoomPickerWait();
    void ApplyTopmost();
    void DetachOwnedPopups() const;
    void OpenHelp() const;
    Channels SliderPositions() const;
    UButton& PanelButton(int id);
    void SetPickerCursors(bool on);
    void SetZoomCursors(bool on);
    void InstallSystemCursors(win::CursorHandle& cursor, int resourceId, bool on);

    CColorDisplay colorDisplay;
    InfoCtrl infoPanel;
    PanelCtrl toolPanel;
    ColorRef backgroundColor;
    ColorRef panelColor;
    win::BrushHandle backgroundBrush;
    int pickingFlag = 0;
    int zoomPickingFlag = 0;
    HICON icon;
    Channels lastSliderValues{};
    std::array<UButton, kChannels> lockButtons;
    std::array<CSlider, kChannels> sliders;
    win::ToolTip toolTip;
    SystemCursors systemCursors;
    win::CursorHandle eyedropperCursor;
    win::CursorHandle crosshairCursor;
    int colorTheme;
    int paneCount;
    bool gridFlag;
    bool autostartFlag;
    std::array<win::StaticText, kChannels> labels;
};
