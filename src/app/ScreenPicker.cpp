#include "ScreenPicker.h"

#include "../../res/resource.h"
#include "../ui/Pictures.h"

#include <utility>

ScreenPicker::ScreenPicker(win::Window& ownerWindow, CColorDisplay& colorDisplay, PanelCtrl& panel,
                           ColorSink sink)
    : owner(ownerWindow), display(colorDisplay), toolPanel(panel), setCurrentColor(std::move(sink)),
      eyedropperCursor(ui::LoadCursorResource(IDC_EYEDROPPER)),
      crosshairCursor(ui::LoadCursorResource(IDC_CROSSHAIR)) {}

void ScreenPicker::OnPickerCommand() {
    if (Button(IDC_BUTTON_PICKER).IsDown()) {
        display.CancelZoom();
        Button(IDC_BUTTON_ZOOM).SetDown(0);
        EndZoomPickerWait();
        pickingFlag = 1;
        TakeCapture();
        cursors.Replace(eyedropperCursor.get());
    } else {
        EndPickerWait();
    }
}

// The colour picker's button and flag stay as they are when the zoomed picker starts.
void ScreenPicker::OnZoomPickerCommand() {
    if (Button(IDC_BUTTON_ZOOM).IsDown()) {
        zoomPickingFlag = 1;
        TakeCapture();
        cursors.Replace(crosshairCursor.get());
    } else {
        EndZoomPickerWait();
        display.CancelZoom();
    }
}

// With the capture held the point may lie anywhere on the screen, outside the window too.
void ScreenPicker::OnClick(POINT clientPoint) {
    POINT screenPoint = clientPoint;
    ClientToScreen(owner.Hwnd(), &screenPoint);
    if (pickingFlag)
        PickScreenColor(screenPoint);
    else if (zoomPickingFlag)
        ShowZoomAround(screenPoint);
}

// Through the screen, not the window's data: a click on the program itself takes what it shows.
// Where no pixel can be read there is no colour to take, and the current one stays.
void ScreenPicker::PickScreenColor(POINT screenPoint) {
    const win::WindowDc screen(nullptr);
    const COLORREF pixel = GetPixel(screen.get(), screenPoint.x, screenPoint.y);
    if (pixel != CLR_INVALID)
        setCurrentColor(pixel);
    EndPickerWait();
    Button(IDC_BUTTON_PICKER).SetDown(0);
}

// The button stays down while the view is shown; a click in the view then picks the colour.
// A screen that cannot be read shows no view at all, not an older copy as if it were now.
void ScreenPicker::ShowZoomAround(POINT screenPoint) {
    if (!display.CaptureScreen(screenPoint)) {
        Cancel();
        return;
    }
    display.ShowZoom(screenPoint);
    EndZoomPickerWait();
}

void ScreenPicker::Cancel() {
    display.CancelZoom();
    Button(IDC_BUTTON_ZOOM).SetDown(0);
    EndZoomPickerWait();
    EndPickerWait();
    Button(IDC_BUTTON_ZOOM).SetDown(0);
    Button(IDC_BUTTON_PICKER).SetDown(0);
}

// Alt+Tab, the Windows key or a window that grabs the mouse: without the capture the click
// never comes, and the replaced cursors would stay on every application.
void ScreenPicker::OnCaptureChanged(HWND newCapture) {
    if (movingCapture || newCapture == owner.Hwnd() || !(pickingFlag || zoomPickingFlag))
        return;
    Cancel();
}

void ScreenPicker::EndModes() {
    EndPickerWait();
    EndZoomPickerWait();
}

void ScreenPicker::EndPickerWait() {
    pickingFlag = 0;
    cursors.Restore();
    ReleaseOwnCapture();
}

void ScreenPicker::EndZoomPickerWait() {
    zoomPickingFlag = 0;
    cursors.Restore();
    ReleaseOwnCapture();
}

void ScreenPicker::TakeCapture() {
    movingCapture = true;
    SetCapture(owner.Hwnd());
    movingCapture = false;
}

void ScreenPicker::ReleaseOwnCapture() {
    movingCapture = true;
    ReleaseCapture();
    movingCapture = false;
}
