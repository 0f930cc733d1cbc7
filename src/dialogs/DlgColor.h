#pragma once
#include "../win/Controls.h"
#include "StaticColors.h"
#include "ThemedDialog.h"

// The palette dialog: a click on the palette chooses that colour and closes it (IDOK);
// "More colors..." closes it asking for the system colour dialog; Cancel chooses nothing.
class CDlgColor : public ThemedDialog {
  public:
    // The palette bitmap is read from that module (the executable when null).
    explicit CDlgColor(HINSTANCE pictures = nullptr);

    ColorRef GetPickedColor() const { return palette.GetPickedColor(); }
    bool WantsMoreColors() const { return moreColors; }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange() override;
    BOOL OnInitDialog() override;

  private:
    void OnCommand(int id, int notification);

    CStaticColors palette;
    win::Button moreColorsButton;
    win::Button cancelButton;
    bool moreColors = false;
};
