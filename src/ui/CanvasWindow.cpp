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

void CanvasWindow::CreateCanvas() {
    RECT client;
    GetClientRect(Hwnd(), &client);
    canvas = MakeCanvas(client.right, client.bottom);
}

bool CanvasWindow::FitCanvasToClient() {
    RECT client;
    GetClientRect(Hwnd(), &client);
    if (!canvas || (static_cast<LONG>(canvas->GetWidth()) == client.right &&
                    static_cast<LONG>(canvas->GetHeight()) == client.bottom))
        return false;
    CreateCanvas();
    return true;
}

void CanvasWindow::PaintCanvas() {
    win::PaintScope paint(Hwnd());
    DrawCanvasOn(paint.get());
}

void CanvasWindow::DrawCanvasOn(HDC dc) const {
    if (!canvas)
        return;
    Gdiplus::Graphics graphics(dc);
    DrawPicture(graphics, canvas.get(), 0, 0);
}

} // namespace ui
