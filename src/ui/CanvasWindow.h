#pragma once
#include "../win/Gdiplus.h"
#include "../win/Window.h"

namespace ui {

// A window that draws itself into an off-screen picture of its client size and paints by
// copying it, so that nothing flickers and tests can read what it shows. A change of state
// only marks the picture out of date; it is drawn once, when it is next painted or read, so
// that a burst of changes (as at start-up) costs one drawing.
class CanvasWindow : public win::Window {
  public:
    // The picture as the window shows it, brought up to date first.
    Gdiplus::Bitmap* Canvas() const;

  protected:
    // Paints the canvas and erases nothing; everything else goes to the default procedure.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Made once the window exists, from the client rectangle; drawn when first shown.
    void CreateCanvas();
    // After WM_SIZE: a canvas of the old size is made anew at the client size, to be drawn
    // before it is next painted, and true is returned. No canvas yet, or the same size: false.
    bool FitCanvasToClient();
    // The state changed: draw the canvas anew before it is next painted or read; invalidate.
    void CanvasChanged();
    // Draws the whole face from the window's state; only called when there is a canvas.
    virtual void DrawCanvas() {}
    // WM_PAINT: only the copy.
    void PaintCanvas();
    void DrawCanvasOn(HDC dc) const;
    void BringCanvasUpToDate() const;

    win::BitmapPtr canvas;

  private:
    void InvalidateIfPainted() const;

    mutable bool canvasOutOfDate = false;
    bool painted = false;
};

} // namespace ui
