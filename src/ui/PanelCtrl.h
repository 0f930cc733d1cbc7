#pragma once
#include "../logic/DpiScaling.h"
#include "../win/Controls.h"
#include "CanvasWindow.h"
#include "UButton.h"

#include <array>

// The strip of eight command buttons along the bottom of the main window. A click becomes
// WM_PANEL_COMMAND with the button's command number, posted to the parent.
class PanelCtrl : public ui::CanvasWindow {
  public:
    static constexpr int kButtonCount = 8;

    // The button with that control id (5000..5007), or null.
    UButton* Button(int id);
    // What a click on the command's button does, for its key: a latching button flips, and
    // the command is posted.
    void Press(int command);
    // Refilled with the new colour before the panel is next painted.
    void SetBackgroundColor(Argb color);
    void FillBackground();
    void DrawLine();
    // The buttons take their size and place for that DPI; the panel's own height is the parent's.
    void SetDpi(int newDpi);
    BOOL PreTranslateMessage(MSG* msg) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawCanvas() override;

  private:
    void BuildButtons();
    void PostCommand(int command);
    PixelRect ButtonRect(size_t index) const;
    void LayOutButtons();

    std::array<UButton, kButtonCount> buttons;
    RECT clientRect{};
    int dpi = kBaseDpi;
    Argb backgroundColor{0xFFBFD9D9};
    Argb lineColor{0xFF646464};
    win::ToolTip toolTip;
};
