#pragma once
#include "../win/Gdiplus.h"
#include "../win/Window.h"

namespace ui {

// A window that draws itself into an off-screen picture of its client size and paints by
// copying it, so that nothing flickers and tests can read what it shows.
class CanvasWindow : public win::Window {
  public:
    Gdiplus::Bitmap* Canvas() const { return canvas.get(); }

  protected:
    // Paints the canvas and erases nothing; everything else goes to the default procedure.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Made in WM_CREATE, from the client rectangle.
    void CreateCanvas();
    // After WM_SIZE: a canvas of the old size is made anew at the client size, and true is
    // returned so the owner draws it again. No canvas yet, or the same size: nothing, false.
    bool FitCanvasToClient();
    // WM_PAINT: only the copy.
    void PaintCanvas();
    void DrawCanvasOn(HDC dc) const;

    win::BitmapPtr canvas;
};

} // namespace ui
