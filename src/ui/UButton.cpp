#include "UButton.h"

#include "Pictures.h"
#include "SharpPicture.h"

#include <oleacc.h>
#include <windowsx.h>

#include <utility>

bool UButton::Create(LPCWSTR caption, DWORD style, const RECT& rect, HWND parent, UINT id,
                     bool latchingButton) {
    latching = latchingButton;
    if (!Window::Create(L"BUTTON", caption, style | BS_OWNERDRAW, rect, parent, id))
        return false;
    CreateCanvas();
    return true;
}

// A picture that repeats the normal one is a copy of it, not decoded again.
void UButton::SetImagesFromResources(HINSTANCE instance, int hover, int down, int normal) {
    auto maker = [instance, normal](int id) -> PictureMaker {
        if (id == 0 || id == normal)
            return nullptr;
        return [instance, id] { return ui::LoadResourceBitmap(instance, id); };
    };
    SetPictures(ui::LoadResourceBitmap(instance, normal), maker(hover), maker(down));
}

void UButton::SetPictures(win::BitmapPtr normal, PictureMaker hover, PictureMaker down) {
    if (!normal)
        return;
    normalImage = std::move(normal);
    hoverPicture = {nullptr, std::move(hover)};
    downPicture = {nullptr, std::move(down)};
    replacements.clear();
    // Drawn when next shown or read, as every state change is: drawing now would draw it twice.
    CanvasChanged();
}

// A made picture takes the replacements so far; a copy of the normal one has them already.
Gdiplus::Bitmap* UButton::Made(LaterPicture& picture) {
    if (!picture.image && picture.make) {
        picture.image = std::exchange(picture.make, nullptr)();
        for (const auto& [oldColor, newColor] : replacements)
            ui::ReplaceColor(picture.image.get(), oldColor, newColor);
    }
    if (!picture.image)
        picture.image = ui::CopyPicture(normalImage.get());
    if (!hoverPicture.make && !downPicture.make)
        replacements.clear();
    return picture.image.get();
}

// The button may be larger than its pictures at a higher DPI; they grow to fill it.
void UButton::DrawOnCanvas(Gdiplus::Bitmap* picture) {
    Gdiplus::Graphics graphics(canvas.get());
    ui::DrawPictureSharp(graphics, picture, static_cast<int>(canvas->GetWidth()),
                         static_cast<int>(canvas->GetHeight()));
}

void UButton::SetDown(int down) {
    if (down == 0 || down == 1)
        isDown = down == 1;
    Refresh();
}

// Every change of state comes through here; a screen reader hears of a new down state.
void UButton::Refresh() {
    CanvasChanged();
    if (isDown != announcedDown) {
        announcedDown = isDown;
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, Hwnd(), OBJID_CLIENT, CHILDID_SELF);
    }
}

void UButton::ReplaceColor(ColorRef oldColor, ColorRef newColor) {
    for (Gdiplus::Bitmap* image : {normalImage.get(), hoverPicture.image.get(), downPicture.image.get()})
        ui::ReplaceColor(image, oldColor, newColor);
    if (hoverPicture.make || downPicture.make)
        replacements.emplace_back(oldColor, newColor);
    Refresh();
}

win::AccessibleFacts UButton::DescribeAccessible(long) const {
    win::AccessibleFacts facts;
    facts.role = ROLE_SYSTEM_PUSHBUTTON;
    facts.state = isDown ? STATE_SYSTEM_PRESSED : 0;
    return facts;
}

// The down picture wins over hover; a missing picture falls back to the normal one.
void UButton::Recompose() {
    if (!canvas || !normalImage)
        return;
    DrawOnCanvas(ShowsDown() ? Made(downPicture) : isHover ? Made(hoverPicture) : normalImage.get());
}

LRESULT UButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        FitCanvasToClient();
        break;
    case win::kReflectedDrawItem:
        OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_MOUSEMOVE:
        OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case BM_SETSTATE: {
        // Held with the pointer over it, the face shows what a release there makes of the
        // button; the platform's pushed state follows the pointer out and back while it is held.
        const LRESULT result = DefaultProc(message, wParam, lParam);
        Refresh();
        return result;
    }
    case WM_GETOBJECT:
        return OnGetObject(wParam, lParam);
    case WM_KILLFOCUS:
        return OnKillFocus(wParam, lParam);
    }
    // The button's own procedure still sees the mouse: it captures it and sends the click.
    return CanvasWindow::HandleMessage(message, wParam, lParam);
}

// The state may have changed since the canvas was last drawn: the pictures are drawn over it
// as they arrive, whatever the state.
void UButton::OnDrawItem(const DRAWITEMSTRUCT* item) {
    if (!item || !canvas)
        return;
    Recompose();
    DrawCanvasOn(item->hDC);
}

bool UButton::IsOver(POINT point) const {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    return PtInRect(&client, point) != FALSE;
}

// While the button is held it has the mouse, and moves come from anywhere: hover is only over it.
void UButton::OnMouseMove(POINT point) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd(), 0};
    TrackMouseEvent(&track);
    const bool over = IsOver(point);
    if (isHover != over) {
        isHover = over;
        Refresh();
    }
}

void UButton::OnMouseLeave() {
    if (isHover) {
        isHover = false;
        Refresh();
    }
}

// Only a release over the pushed button clicks it (the platform then tells the parent), and only
// that flips a latching one, before the parent hears of the click and reads the state.
void UButton::OnLButtonUp(POINT point) {
    if (latching && IsPushed() && IsOver(point)) {
        isDown = !isDown;
        Refresh();
    }
}

LRESULT UButton::OnKillFocus(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefaultProc(WM_KILLFOCUS, wParam, lParam);
    Invalidate();
    return result;
}
