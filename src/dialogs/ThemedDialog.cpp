#include "ThemedDialog.h"

#include "../core/DpiScaling.h"
#include "../ui/SharpPicture.h"

LRESULT ThemedDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const LRESULT created = DefaultProc(message, wParam, lParam);
        if (created != -1)
            backgroundBrush.reset(CreateSolidBrush(backgroundColor));
        return created;
    }
    if (message == WM_INITDIALOG) {
        const LRESULT result = Dialog::HandleMessage(message, wParam, lParam);
        if (Dpi() != kBaseDpi)
            StretchPictures();
        return result;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

void ThemedDialog::OnDpiChanged(int newDpi) {
    Dialog::OnDpiChanged(newDpi);
    StretchPictures();
}

// A picture control takes the size of its new bitmap.
void ThemedDialog::StretchPictures() {
    if (stretchedPictures.empty())
        for (HWND child = GetWindow(Hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
                stretchedPictures.push_back(
                    {child,
                     reinterpret_cast<HBITMAP>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0)),
                     {}});
    for (StretchedPicture& picture : stretchedPictures) {
        BITMAP size{};
        if (!picture.original || !GetObjectW(picture.original, sizeof(size), &size))
            continue;
        win::BitmapHandle next;
        if (Dpi() != kBaseDpi)
            next = ui::SharpCopy(picture.original, ScaleToDpi(size.bmWidth, Dpi()),
                                 ScaleToDpi(size.bmHeight, Dpi()));
        const auto previous = reinterpret_cast<HBITMAP>(
            SendMessageW(picture.control, STM_SETIMAGE, IMAGE_BITMAP,
                         reinterpret_cast<LPARAM>(next ? next.get() : picture.original)));
        // The control hands back what it showed. For a bitmap with alpha it shows a copy of its
        // own making, which it then hands back and never frees: that one is ours to free.
        if (previous && previous != picture.original && previous != picture.shown.get())
            DeleteObject(previous);
        // The control shows the new one now; the copy before it can go.
        picture.shown = std::move(next);
    }
}
