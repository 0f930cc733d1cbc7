#pragma once
#include "../logic/OptionChoices.h"
#include "../win/Controls.h"
#include "ThemedDialog.h"

#include <array>

// The options dialog. It edits its own copy of the values, which the main window takes back
// only after a confirmed run; the language alone changes for the whole program at the click.
class CDlgOptions : public ThemedDialog {
  public:
    CDlgOptions();

    void SetValues(const OptionValues& values) { options = values; }
    const OptionValues& Values() const { return options; }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange() override;
    BOOL OnInitDialog() override;

  private:
    static constexpr int kThemeButtonCount = 6;

    LRESULT OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int notification);
    void SetCaptions() const;
    bool IsPaneCountBox(HWND control) const;

    OptionValues options;
    win::ComboBox paneCountBox;
    win::Button gridBox;
    win::Button autostartBox;
    std::array<win::Button, kThemeButtonCount> themeButtons;
    win::Button englishButton;
    win::Button russianButton;
};
