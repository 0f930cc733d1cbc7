#pragma once
#include "../logic/DpiScaling.h"
#include "../win/Colors.h"
#include "../win/Dialog.h"
#include "../win/Handles.h"

#include <vector>

// A dialog whose face shows the theme's background colour, which the caller hands in before
// the dialog runs; the brush of it is made when the window is created.
class ThemedDialog : public win::Dialog {
  public:
    using Dialog::Dialog;

    void SetBackgroundColor(ColorRef color) { backgroundColor = color; }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDpiChanged(int newDpi) override;
    LRESULT BackgroundBrush() const { return reinterpret_cast<LRESULT>(backgroundBrush.get()); }
    // The answer to a control-colour request that shows the face colour behind text too.
    LRESULT FaceColors(HDC dc) const {
        SetBkColor(dc, win::ToCOLORREF(backgroundColor));
        return BackgroundBrush();
    }
    // Pictures the dialog paints itself, in its client area at its DPI.
    virtual std::vector<PixelRect> PaintedPictures() const { return {}; }

  private:
    // The template's pictures are drawn for the base DPI; at another DPI they show stretched.
    void StretchPictures();
    // Where the template puts each control, in pixels at the DPI the dialog opened at: a
    // picture control has taken its bitmap's size since.
    void RememberTemplatePlaces();
    // A picture larger than its place pushes the controls below and beside it, and the
    // dialog grows to hold it.
    void MakeRoomForPictures();
    void FreeTemplatePictures();
    // Frees a bitmap a picture control handed back unless it is one of those held below.
    void FreeHandedBack(HBITMAP handedBack) const;

    // A picture control with the bitmap the template gave it, and the stretched copy it shows.
    struct StretchedPicture {
        HWND control;
        HBITMAP original;
        win::BitmapHandle shown;
    };
    std::vector<StretchedPicture> stretchedPictures;
    std::vector<PixelRect> templatePlaces; // in the order of the children
    int templateWidth = 0;
    int templateHeight = 0;
    int templatePlacesDpi = kBaseDpi;
    ColorRef backgroundColor{0x00FFFFFF};
    win::BrushHandle backgroundBrush;
};
