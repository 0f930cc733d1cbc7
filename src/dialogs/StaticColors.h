#pragma once
#include "../logic/Color.h"
#include "../win/Window.h"

// The colour dialog's palette picture. A click reads the clicked pixel of the palette bitmap,
// so the user gets exactly what they clicked, a line pixel included; the dialog then closes.
class CStaticColors : public win::Window {
  public:
    // The palette bitmap is read from that module's resources (the executable's when null).
    explicit CStaticColors(HINSTANCE pictures = nullptr) : pictureModule(pictures) {}

    ColorRef GetPickedColor() const { return pickedColor; }
    // False when the last click could not read the palette: that click chose nothing.
    bool HasPick() const { return picked; }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void PickAt(int x, int y);

    HINSTANCE pictureModule;
    ColorRef pickedColor{};
    bool picked = false;
};
