#pragma once
#include "../logic/color/ColorNotation.h"
#include "../win/Controls.h"
#include "../win/Dialog.h"
#include "../win/Handles.h"
#include "CheckCtrl.h"

#include <array>

// The panel that shows the current colour in all five notations, with a mark per row that
// chooses the notation the clipboard copy uses.
class InfoCtrl : public win::Dialog {
  public:
    InfoCtrl();

    void SetColor(ColorRef color);
    ColorRef GetColor() const { return currentColor; }
    // The first marked notation in the order COLREF, RGB, HEX, HSB, CMYK.
    ColorNotation GetNotation() const;
    // Marks that notation only; any value but 0..4 changes nothing.
    void SetNotation(int notation);
    void SetBackgroundColor(ColorRef color);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    void OnDpiChanged(int newDpi) override;

  private:
    LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void LayOutMarks(int markDpi);
    void FitToRows();
    LRESULT OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCheckClicked(int checkId);
    CheckCtrl& CheckOf(ColorNotation notation) { return checks[static_cast<size_t>(notation)]; }

    // Indexed by ColorNotation.
    std::array<CheckCtrl, kNotationCount> checks;
    Argb frameColor{0xFF646464};
    ColorRef backgroundColor{0x00D9D9BF};
    ColorRef currentColor{};
    win::BrushHandle backgroundBrush;
    std::array<win::StaticText, kNotationCount> labels;
    std::array<win::StaticText, kNotationCount> values;
    // The client size the template gives, at the DPI it was made for.
    RECT templateClient{};
    int templateDpi = kBaseDpi;
};
