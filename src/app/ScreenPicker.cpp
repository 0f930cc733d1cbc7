#include "ScreenPicker.h"

#include "../../res/resource.h"
#include "../display/ScreenCopy.h"
#include "../ui/Pictures.h"
#include "../win/PrivateMessages.h"
#include "../win/SystemDpi.h"
#include "../win/WindowRects.h"

#include <utility>

ScreenPicker::ScreenPicker(win::Window& ownerWindow, CColorDisplay& colorDisplay, PanelCtrl& panel,
                           ColorSink sink, LoupeWindow::PointerSource pointerSource)
    : owner(ownerWindow), display(colorDisplay), toolPanel(panel), setCurrentColor(std::move(sink)),
      pointerNow(std::move(pointerSource)) {}

void ScreenPicker::SetOptions(bool loupeOn, int sampleSide) {
    loupeFlag = loupeOn;
    sample = sampleSide;
}

void ScreenPicker::OnPickerCommand() {
    if (Button(IDC_BUTTON_PICKER).IsDown()) {
        EndZoom();
        pickingFlag = true;
    } else {
        pickingFlag = false;
    }
    FollowModes();
}

// Starting one picker ends the other: a click does what the cursor shows, and the other's
// button never waits under it to be picked.
void ScreenPicker::OnZoomPickerCommand() {
    if (Button(IDC_BUTTON_ZOOM).IsDown()) {
        pickingFlag = false;
        Button(IDC_BUTTON_PICKER).SetDown(0);
        zoomPickingFlag = true;
        FollowModes();
    } else {
        EndZoom();
    }
}

// With the capture held the point may lie anywhere on the screen, outside the window too.
// The capture takes the click before the button under it could: pressing the waiting mode's
// button a second time is how the user takes the mode back, so it picks nothing.
bool ScreenPicker::OnClick(POINT clientPoint, bool collect) {
    POINT screenPoint = clientPoint;
    ClientToScreen(owner.Hwnd(), &screenPoint);
    return TakePoint(screenPoint, collect);
}

void ScreenPicker::OnPickKey(POINT screenPoint, bool collect) {
    TakePoint(screenPoint, collect);
}

bool ScreenPicker::TakePoint(POINT screenPoint, bool collect) {
    if (!IsWaiting())
        return false;
    const int ownButton = pickingFlag ? IDC_BUTTON_PICKER : IDC_BUTTON_ZOOM;
    if (WindowFromPoint(screenPoint) == Button(ownButton).Hwnd()) {
        Cancel();
        return true;
    }
    if (pickingFlag)
        return PickScreenColor(screenPoint, collect);
    ShowZoomAround(screenPoint);
    return true;
}

// Through the screen, not the window's data: a click on the program itself takes what it shows.
// Only the pixels of the sample that lie on the screen count; where none can be read (off every
// screen, where a copy would give black) there is no colour to take, and the current one stays.
// A pick that ends the picker ends it before the colour goes in, which ends the zoomed picker
// too; a collected one keeps it waiting.
bool ScreenPicker::PickScreenColor(POINT screenPoint, bool collect) {
    const PixelRect square = SampleSquare(win::ToPixelPoint(screenPoint), sample);
    ScreenArea pixels{Intersect(square, VirtualScreen()), {}};
    const bool read = !pixels.area.IsEmpty() && CopyScreenArea(pixels.area, pixels);
    const ColorRef color = ToColorRef(MeanColor(pixels, square));
    if (read)
        PostMessageW(owner.Hwnd(), WM_COLOR_PICKED, static_cast<WPARAM>(color), 0);
    if (read && collect && display.GetPaneCount() > 1) {
        display.Collect(ToArgb(color));
        return false;
    }
    pickingFlag = false;
    Button(IDC_BUTTON_PICKER).SetDown(0);
    FollowModes();
    if (read)
        setCurrentColor(color);
    return true;
}

// The button stays down while the view is shown; a click in the view then picks the colour.
// A screen that cannot be read shows no view at all, not an older copy as if it were now; and
// without a view the button would stay down over nothing to click.
void ScreenPicker::ShowZoomAround(POINT screenPoint) {
    if (!display.CaptureScreen(screenPoint) || !display.ShowZoom(screenPoint)) {
        Cancel();
        return;
    }
    zoomPickingFlag = false;
    FollowModes();
}

void ScreenPicker::EndZoom() {
    display.CancelZoom();
    Button(IDC_BUTTON_ZOOM).SetDown(0);
    zoomPickingFlag = false;
    FollowModes();
}

void ScreenPicker::Cancel() {
    pickingFlag = false;
    Button(IDC_BUTTON_PICKER).SetDown(0);
    EndZoom();
}

// Alt+Tab, the Windows key or a window that grabs the mouse: without the capture the click
// never comes, and the replaced cursors would stay on every application.
void ScreenPicker::OnCaptureChanged(HWND newCapture) {
    if (movingCapture || newCapture == owner.Hwnd() || !(pickingFlag || zoomPickingFlag))
        return;
    Cancel();
}

void ScreenPicker::EndModes() {
    pickingFlag = false;
    zoomPickingFlag = false;
    FollowModes();
}

// Every change of a flag ends here. While a mode waits the main window holds the mouse and the
// cursors show the mode, the crosshair while the zoomed picker waits, and the loupe follows the
// pointer; otherwise all are the user's again, and the loupe goes.
void ScreenPicker::FollowModes() {
    if (!pickingFlag && !zoomPickingFlag) {
        loupe.Hide();
        RestoreCursors();
        ReleaseOwnCapture();
        return;
    }
    TakeCapture();
    if (zoomPickingFlag)
        ReplaceCursors(crosshairCursor, IDC_CROSSHAIR);
    else
        ReplaceCursors(eyedropperCursor, IDC_EYEDROPPER);
    POINT pointer;
    if (GetCursorPos(&pointer))
        ShowLoupe(pointer);
}

void ScreenPicker::FollowPointer(POINT screenPoint) {
    if (IsWaiting())
        ShowLoupe(screenPoint);
}

void ScreenPicker::StepZoom(int steps) {
    display.SetZoomFactor(StepZoomFactor(display.GetZoomFactor(), steps));
    POINT pointer;
    if (loupe.IsShown() && GetCursorPos(&pointer))
        ShowLoupe(pointer);
}

// The zoomed picker's snapshot around the click must not hold the loupe either: the loupe keeps
// clear of all it could cover.
void ScreenPicker::ShowLoupe(POINT screenPoint) {
    if (!loupeFlag) {
        loupe.Hide();
        return;
    }
    const PixelPoint pointer = win::ToPixelPoint(screenPoint);
    loupe.SetOwner(owner.Hwnd(), pointerNow);
    loupe.Follow(pointer,
                 {display.GetZoomFactor(), pickingFlag ? sample : 1, display.GetNotation(),
                  zoomPickingFlag ? ZoomCaptureArea(pointer, win::WindowDpi(display.Hwnd())) : PixelRect{}});
}

// Each cursor is loaded when its mode first starts, not at start-up, and installed once.
void ScreenPicker::ReplaceCursors(win::CursorHandle& cursor, int resourceId) {
    if (cursors.AreReplaced() && installedCursor == resourceId)
        return;
    if (!cursor)
        cursor = ui::LoadCursorResource(resourceId);
    cursors.Replace(cursor.get());
    installedCursor = resourceId;
}

// Cursors never replaced are the user's own already: a session without picking, closing,
// leaves them alone.
void ScreenPicker::RestoreCursors() {
    if (cursors.AreReplaced())
        cursors.Restore();
}

void ScreenPicker::TakeCapture() {
    if (GetCapture() == owner.Hwnd())
        return;
    movingCapture = true;
    SetCapture(owner.Hwnd());
    movingCapture = false;
}

// Only while the main window still holds it: a mode that ends because another window of the
// program took the mouse must leave that window its capture.
void ScreenPicker::ReleaseOwnCapture() {
    if (GetCapture() != owner.Hwnd())
        return;
    movingCapture = true;
    ReleaseCapture();
    movingCapture = false;
}
