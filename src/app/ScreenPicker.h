#pragma once
#include "../display/ColorDisplay.h"
#include "../logic/Color.h"
#include "../ui/PanelCtrl.h"
#include "../win/Handles.h"
#include "../win/Window.h"
#include "SystemCursors.h"

#include <functional>

// The main window's two ways of taking a colour from the screen. While a mode waits for its
// click the main window holds the mouse capture, so that the click arrives wherever it
// happens, and every system cursor shows the mode.
//   colour picker (command 2): the click takes the pixel under it;
//   zoomed picker (command 3): the click chooses the area the colour display then magnifies.
class ScreenPicker {
  public:
    using ColorSink = std::function<void(ColorRef)>;

    // The owner is the main window, which takes the capture; picked colours go to the sink.
    ScreenPicker(win::Window& ownerWindow, CColorDisplay& colorDisplay, PanelCtrl& panel, ColorSink sink);

    // After the tool panel has flipped the button: down starts the mode, up ends it.
    void OnPickerCommand();
    void OnZoomPickerCommand();
    // WM_LBUTTONDOWN of the main window, in its client coordinates; true when it ended a mode.
    // A click on the waiting mode's own button ends it as Escape does.
    bool OnClick(POINT clientPoint);
    // Escape: both modes and the magnified view end, both buttons come up.
    void Cancel();
    // A new current colour: the zoomed picker and its magnified view end, its button comes up.
    void EndZoom();
    // WM_CAPTURECHANGED: another window took the mouse, so the click will never come.
    void OnCaptureChanged(HWND newCapture);
    // WM_CLOSE: both modes end and the cursors are restored; buttons and view stay as they are.
    void EndModes();

  private:
    void PickScreenColor(POINT screenPoint);
    void ShowZoomAround(POINT screenPoint);
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
    bool pickingFlag = false;
    bool zoomPickingFlag = false;
    // Set while the mode itself lets go of or takes the capture, which ends no mode.
    bool movingCapture = false;
    SystemCursors cursors;
    win::CursorHandle eyedropperCursor;
    win::CursorHandle crosshairCursor;
    int installedCursor = 0; // the resource number of the one the system cursors show
};
