#pragma once
#include "../display/ColorDisplay.h"
#include "../display/LoupeWindow.h"
#include "../logic/Color.h"
#include "../ui/PanelCtrl.h"
#include "../win/Handles.h"
#include "../win/Window.h"
#include "SystemCursors.h"

#include <functional>

// The main window's two ways of taking a colour from the screen. While a mode waits for its
// click the main window holds the mouse capture, so that the click arrives wherever it
// happens, and every system cursor shows the mode.
//   colour picker (command 2): the click takes the pixel under it, or the mean of the square
//   of the sample's side around it;
//   zoomed picker (command 3): the click chooses the area the colour display then magnifies.
// While either waits, the loupe beside the pointer shows what lies under it, when it is on.
// Every colour a picker takes is also posted to the owner as WM_COLOR_PICKED.
class ScreenPicker {
  public:
    using ColorSink = std::function<void(ColorRef)>;

    // The owner is the main window, which takes the capture; picked colours go to the sink; the
    // loupe asks the pointer's place of the source.
    ScreenPicker(win::Window& ownerWindow, CColorDisplay& colorDisplay, PanelCtrl& panel, ColorSink sink,
                 LoupeWindow::PointerSource pointerSource = {});

    // After the tool panel has flipped the button: down starts the mode, up ends it.
    void OnPickerCommand();
    void OnZoomPickerCommand();
    // A press of the main window, in its client coordinates; true when it ended a mode. A click
    // on the waiting mode's own button ends it as Escape does. With collect, the colour picker
    // with more than one pane takes the pixel into the active pane, makes the next one active
    // and keeps waiting.
    bool OnClick(POINT clientPoint, bool collect);
    // Enter or Space: the point under the pointer is taken as a click there would take it.
    void OnPickKey(POINT screenPoint, bool collect);
    bool IsWaiting() const { return pickingFlag || zoomPickingFlag; }
    // Escape: both modes and the magnified view end, both buttons come up.
    void Cancel();
    // A new current colour: the zoomed picker and its magnified view end, its button comes up.
    void EndZoom();
    // WM_CAPTURECHANGED: another window took the mouse, so the click will never come.
    void OnCaptureChanged(HWND newCapture);
    // WM_CLOSE: both modes end and the cursors are restored; buttons and view stay as they are.
    void EndModes();
    // The options: the loupe shown or not, and the side of the square a pick averages.
    void SetOptions(bool loupeOn, int sampleSide);
    // While a mode waits, the pointer's new place on the screen: the loupe follows it.
    void FollowPointer(POINT screenPoint);
    // While a mode waits, the wheel or + and -: the magnified view's factor that many steps
    // up or down, which the loupe shows at once and the next view keeps.
    void StepZoom(int steps);

  private:
    bool TakePoint(POINT screenPoint, bool collect);
    bool PickScreenColor(POINT screenPoint, bool collect);
    void ShowZoomAround(POINT screenPoint);
    void ShowLoupe(POINT screenPoint);
    // The capture and the cursors as the two flags say.
    void FollowModes();
    void ReplaceCursors(win::CursorHandle& cursor, int resourceId);
    void RestoreCursors();
    void TakeCapture();
    void ReleaseOwnCapture();
    UButton& Button(int id) { return *toolPanel.Button(id); }

    win::Window& owner;
    CColorDisplay& display;
    PanelCtrl& toolPanel;
    ColorSink setCurrentColor;
    LoupeWindow::PointerSource pointerNow;
    bool pickingFlag = false;
    bool zoomPickingFlag = false;
    // Set while the mode itself lets go of or takes the capture, which ends no mode.
    bool movingCapture = false;
    SystemCursors cursors;
    win::CursorHandle eyedropperCursor;
    win::CursorHandle crosshairCursor;
    int installedCursor = 0; // the resource number of the one the system cursors show
    bool loupeFlag = true;
    int sample = 1;
    LoupeWindow loupe;
};
