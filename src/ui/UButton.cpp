#include "UButton.h"

#include "Pictures.h"
#include "SharpPicture.h"

#include <utility>

bool UButton::Create(LPCWSTR caption, DWORD style, const RECT& rect, HWND parent, UINT id,
                     int latchingButton) {
    latching = latchingButton;
    return Window::Create(L"BUTTON", caption, style | BS_OWNERDRAW, rect, parent, id);
}

// Each resource is decoded once; a picture that repeats the normal one is a copy of it.
void UButton::SetImagesFromResources(HINSTANCE instance, int hover, int down, int disabled, int normal) {
    win::BitmapPtr normalPicture = ui::LoadResourceBitmap(instance, normal);
    auto load = [&](int id) {
        return id == 0 || id == normal ? nullptr : ui::LoadResourceBitmap(instance, id);
    };
    TakeImages(std::move(normalPicture), load(hover), load(down), load(disabled));
}

void UButton::SetImages(Gdiplus::Image* normal, Gdiplus::Image* hover, Gdiplus::Image* down,
                        Gdiplus::Image* disabled) {
    if (!normal)
        return;
    TakeImages(ui::CopyPicture(normal), ui::CopyPicture(hover), ui::CopyPicture(down),
               ui::CopyPicture(disabled));
}

// A missing picture other than the normal one becomes a copy of it.
void UButton::TakeImages(win::BitmapPtr normal, win::BitmapPtr hover, win::BitmapPtr down,
                         win::BitmapPtr disabled) {
    if (!normal)
        return;
    auto orNormal = [&](win::BitmapPtr& picture) {
        return picture ? std::move(picture) : ui::CopyPicture(normal.get());
    };
    hoverImage = orNormal(hover);
    downImage = orNormal(down);
    disabledImage = orNormal(disabled);
    normalImage = std::move(normal);
    DrawNormalImageOnCanvas();
}

// Over whatever the canvas shows by now, without invalidating.
void UButton::DrawNormalImageOnCanvas() {
    BringCanvasUpToDate();
    if (!canvas)
        return;
    DrawOnCanvas(normalImage.get());
}

// The button may be larger than its pictures at a higher DPI; they grow to fill it.
void UButton::DrawOnCanvas(Gdiplus::Bitmap* picture) {
    Gdiplus::Graphics graphics(canvas.get());
    ui::DrawPictureSharp(graphics, picture, static_cast<int>(canvas->GetWidth()),
                         static_cast<int>(canvas->GetHeight()));
}

void UButton::SetDown(int down) {
    if (down == 0 || down == 1)
        isDown = down;
    Refresh();
}

void UButton::ReplaceColor(ColorRef oldColor, ColorRef newColor) {
    for (Gdiplus::Bitmap* image : {normalImage.get(), hoverImage.get(), downImage.get(), disabledImage.get()})
        ui::ReplaceColor(image, oldColor, newColor);
    Refresh();
}

// The down picture wins over hover; a missing picture falls back to the normal one.
void UButton::Recompose() {
    if (!canvas || !normalImage)
        return;
    Gdiplus::Bitmap* picture = isDown ? downImage.get() : isHover ? hoverImage.get() : normalImage.get();
    DrawOnCanvas(picture ? picture : normalImage.get());
}

LRESULT UButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (DefaultProc(message, wParam, lParam) == -1)
            return -1;
        CreateCanvas();
        return 0;
    case WM_SIZE:
        FitCanvasToClient();
        break;
    case win::kReflectedDrawItem: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item && canvas) {
            Recompose();
            DrawCanvasOn(item->hDC);
        }
        return TRUE;
    }
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd(), 0};
        TrackMouseEvent(&track);
        if (!isHover) {
            isHover = 1;
            Refresh();
        }
        break;
    }
    case WM_MOUSELEAVE:
        if (isHover) {
            isHover = 0;
            Refresh();
        }
        return 0;
    case WM_LBUTTONDOWN:
        isDown = isDown == 0 ? 1 : 0;
        Refresh();
        break;
    case WM_LBUTTONUP:
        if (!latching && isDown) {
            isDown = 0;
            Refresh();
        }
        break;
    case WM_ENABLE: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        if (isDisabled == static_cast<int>(wParam != 0)) {
            isDisabled = wParam ? 0 : 1;
            Refresh();
        }
        return result;
    }
    case WM_KILLFOCUS: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        Invalidate();
        return result;
    }
    }
    return CanvasWindow::HandleMessage(message, wParam, lParam);
}
