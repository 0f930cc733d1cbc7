#include "CanvasWindow.h"

#include "../win/Handles.h"
#include "Pictures.h"

namespace ui {

LRESULT CanvasWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        PaintCanvas();
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

Gdiplus::Bitmap* CanvasWindow::Canvas() const {
    BringCanvasUpToDate();
    return canvas.get();
}

void CanvasWindow::CreateCanvas() {
    RECT client;
    GetClientRect(Hwnd(), &client);
    canvas = MakeCanvas(client.right, client.bottom);
    canvasOutOfDate = true;
}

// Already out of date means already invalidated (or not yet shown): one invalidation will do.
void CanvasWindow::CanvasChanged() {
    if (canvasOutOfDate)
        return;
    canvasOutOfDate = true;
    InvalidateIfPainted();
}

// Until its first WM_PAINT the window waits to be painted whole anyway, so an invalidation
// would only cost a round trip to the window system under Wine (as at start-up).
void CanvasWindow::InvalidateIfPainted() const {
    if (painted)
        Invalidate();
}

// Drawing what the state already says changes nothing a caller can see, so readers that
// hold the window as const may bring the picture up to date.
void CanvasWindow::BringCanvasUpToDate() const {
    if (!canvasOutOfDate || !canvas)
        return;
    canvasOutOfDate = false;
    const_cast<CanvasWindow*>(this)->DrawCanvas();
}

bool CanvasWindow::FitCanvasToClient() {
    RECT client;
    GetClientRect(Hwnd(), &client);
    if (!canvas || (static_cast<LONG>(canvas->GetWidth()) == client.right &&
                    static_cast<LONG>(canvas->GetHeight()) == client.bottom))
        return false;
    CreateCanvas();
    InvalidateIfPainted();
    return true;
}

void CanvasWindow::PaintCanvas() {
    painted = true;
    win::PaintScope paint(Hwnd());
    DrawCanvasOn(paint.get());
}

void CanvasWindow::DrawCanvasOn(HDC dc) const {
    BringCanvasUpToDate();
    CopyPictureToDevice(dc, canvas.get());
}

} // namespace ui
