#include "StaticColors.h"

#include "../../res/resource.h"
#include "../logic/DpiScaling.h"
#include "../win/Colors.h"
#include "../win/Handles.h"

#include <windowsx.h>

LRESULT CStaticColors::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        if (const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND)) {
            SetCursor(hand);
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        // Read before the default handling, which tells the dialog of the click.
        PickAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

// The picture is loaded anew for every click; a section keeps its pixels exactly as stored
// whatever the screen's colour depth.
void CStaticColors::PickAt(int x, int y) {
    const HINSTANCE module = pictureModule ? pictureModule : GetModuleHandleW(nullptr);
    const win::BitmapHandle bitmap(static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(IDB_PALETTE), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    picked = static_cast<bool>(bitmap);
    if (!picked)
        return;
    Gdiplus::Color pixel(0xFF000000);
    if (const win::BitmapPtr image(Gdiplus::Bitmap::FromHBITMAP(bitmap.get(), nullptr)); image) {
        // At a higher DPI the control shows the palette stretched: the click is on the pixel
        // that its place shows.
        RECT client;
        GetClientRect(Hwnd(), &client);
        const auto width = static_cast<int>(image->GetWidth()), height = static_cast<int>(image->GetHeight());
        if (client.right > 0 && client.bottom > 0 && (client.right != width || client.bottom != height)) {
            x = NearestSource(x, width, client.right);
            y = NearestSource(y, height, client.bottom);
        }
        Gdiplus::Color read;
        if (image->GetPixel(x, y, &read) == Gdiplus::Ok)
            pixel = read;
    }
    pickedColor = ToColorRef(win::ToArgb(pixel));
}
