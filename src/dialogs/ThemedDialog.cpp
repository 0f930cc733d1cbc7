#include "ThemedDialog.h"

#include "../logic/DialogTemplate.h"
#include "../logic/PictureRoom.h"
#include "../ui/SharpPicture.h"
#include "../win/Resources.h"

namespace {

bool IsPictureControl(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return CompareStringOrdinal(className, -1, L"Static", -1, TRUE) == CSTR_EQUAL &&
           (GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

} // namespace

LRESULT ThemedDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const LRESULT created = DefaultProc(message, wParam, lParam);
        if (created != -1)
            backgroundBrush.reset(CreateSolidBrush(win::ToCOLORREF(backgroundColor)));
        return created;
    }
    if (message == WM_DESTROY)
        FreeTemplatePictures();
    if (message == WM_INITDIALOG) {
        const LRESULT result = Dialog::HandleMessage(message, wParam, lParam);
        RememberTemplatePlaces();
        if (Dpi() != kBaseDpi)
            StretchPictures();
        MakeRoomForPictures();
        return result;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

void ThemedDialog::OnDpiChanged(int newDpi) {
    Dialog::OnDpiChanged(newDpi);
    StretchPictures();
    MakeRoomForPictures();
}

// The dialog manager gave every control its place from the template in the dialog's font; the
// template's own units, mapped the same way, give back the places the pictures have left.
void ThemedDialog::RememberTemplatePlaces() {
    const win::ResourceBytes resource =
        win::FindResourceBytes(GetModuleHandleW(nullptr), TemplateId(), RT_DIALOG);
    const DialogTemplateLayout layout = ReadDialogTemplate(resource.data, resource.size);
    templatePlaces.clear();
    if (layout.items.size() != Children().size())
        return;
    auto inPixels = [this](int x, int y, int width, int height) {
        RECT units{x, y, width, height};
        MapDialogRect(Hwnd(), &units);
        return PixelRect{units.left, units.top, units.left + units.right, units.top + units.bottom};
    };
    for (const TemplateItem& item : layout.items)
        templatePlaces.push_back(inPixels(item.x, item.y, item.width, item.height));
    const PixelRect client = inPixels(0, 0, layout.width, layout.height);
    templateWidth = client.Width();
    templateHeight = client.Height();
    templatePlacesDpi = Dpi();
}

void ThemedDialog::MakeRoomForPictures() {
    const std::vector<HWND>& children = Children();
    if (templatePlaces.size() != children.size())
        return;
    std::vector<DialogPart> parts;
    for (size_t i = 0; i < children.size(); ++i) {
        const RECT now = win::RectInParent(children[i]);
        parts.push_back({RescaleDpi(templatePlaces[i], templatePlacesDpi, Dpi()),
                         IsPictureControl(children[i]), now.right - now.left, now.bottom - now.top});
    }
    for (const PixelRect& picture : PaintedPictures())
        parts.push_back({picture, true, picture.Width(), picture.Height()});
    const DialogRoom room = RoomForPictures(parts, RescaleDpi(templateWidth, templatePlacesDpi, Dpi()),
                                            RescaleDpi(templateHeight, templatePlacesDpi, Dpi()));
    for (size_t i = 0; i < children.size(); ++i) {
        const PixelRect& place = room.rects[i];
        const RECT now = win::RectInParent(children[i]);
        // A picture keeps the size of its bitmap.
        const int width = parts[i].isPicture ? now.right - now.left : place.Width();
        const int height = parts[i].isPicture ? now.bottom - now.top : place.Height();
        if (now.left != place.left || now.top != place.top || now.right - now.left != width ||
            now.bottom - now.top != height)
            MoveWindow(children[i], place.left, place.top, width, height, TRUE);
    }
    win::GrowClient(Hwnd(), room.clientWidth, room.clientHeight);
}

// A picture control takes the size of its new bitmap.
void ThemedDialog::StretchPictures() {
    if (stretchedPictures.empty())
        for (HWND child : Children())
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
        FreeHandedBack(previous);
        // The control shows the new one now; the copy before it can go.
        picture.shown = std::move(next);
    }
}

// The control hands back what it showed. For a bitmap with alpha (every stretched copy has it)
// it shows a copy of its own making, which it then hands back and never frees: that one is ours
// to free, while the template's bitmaps and the stretched copies have owners of their own.
void ThemedDialog::FreeHandedBack(HBITMAP handedBack) const {
    if (!handedBack)
        return;
    for (const StretchedPicture& picture : stretchedPictures)
        if (handedBack == picture.original || handedBack == picture.shown.get())
            return;
    DeleteObject(handedBack);
}

// The bitmaps a template's picture controls load are not freed with the controls (under Wine
// every opening of a dialog left them behind): each control lets go of its picture, which is
// freed if nothing else owns it, and the template's bitmaps are freed here; the stretched copies
// go with their owners.
void ThemedDialog::FreeTemplatePictures() {
    for (HWND child : Children())
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            FreeHandedBack(reinterpret_cast<HBITMAP>(SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, 0)));
    for (const StretchedPicture& picture : stretchedPictures)
        if (picture.original)
            DeleteObject(picture.original);
}
