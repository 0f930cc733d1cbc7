#pragma once
#include "../logic/Color.h"
#include "../logic/PaneLayout.h"
#include "../logic/ZoomGeometry.h"
#include "../ui/CanvasWindow.h"
#include "../win/Controls.h"
#include "../win/Handles.h"

#include <optional>
#include <vector>

// The row of colour panes at the top left of the main window. One pane is active and takes
// the current colour; clicks and arrow keys choose it and tell the parent. Each pane's tooltip
// and accessible description give its colour and its contrast with the active pane.
class CColorDisplay : public ui::CanvasWindow {
  public:
    struct Pane {
        RECT rect;
        Argb color;
        bool active;
    };

    void SetPaneCount(int count);
    // The panes held, which differs from the configured count for counts without a layout.
    int GetPaneCount() const { return static_cast<int>(panes.size()); }
    int GetActivePane() const;
    void SetActivePane(int index);
    // Opaque black for an index that is not a pane.
    Argb GetPaneColor(int index) const;
    // The pane at the client point, or -1 in a margin or a gap.
    int PaneAt(POINT clientPoint) const;
    // The pane's rectangle in client coordinates; empty for an index that is not a pane.
    RECT PaneRect(int index) const { return IsPane(index) ? panes[static_cast<size_t>(index)].rect : RECT{}; }
    void SetPaneColor(int index, Argb color);
    // The colour goes to the active pane and the next one becomes active (after the last, the
    // first); the parent is told, to show the pane that is active now.
    void Collect(Argb color);
    void Redraw();
    // The notation the tips and descriptions write the colours in: the marked one.
    void SetNotation(ColorNotation marked);
    ColorNotation GetNotation() const { return notation; }
    // Margins, pens and the magnified blocks follow the DPI; the parent sizes the display.
    void SetDpi(int newDpi);

    // The magnified view is shown in the same place. The copy covers only what the view can
    // show around that screen point at any factor, so its cost does not grow with the screen.
    // False when the screen could not be read; the earlier copy is gone then, so nothing old is
    // shown as new.
    bool CaptureScreen(POINT screenPoint);
    // Magnifies the copy around the screen point and enters zoom mode; false, and no zoom mode,
    // without a copy or when the view's images cannot be made.
    bool ShowZoom(POINT screenPoint);
    void CancelZoom();
    void SetGrid(bool on);
    bool IsZoomMode() const { return zoomMode; }
    // The factor of the view shown and of the next one; an unknown factor is taken as the first.
    int GetZoomFactor() const { return zoomFactor; }
    void SetZoomFactor(int factor);
    // That many factors up or down, from the same copy, the source pixel under the client point
    // (or the view's centre, when the point is off the image) kept where it is.
    void StepZoom(int steps, POINT clientPoint);
    // The side of one block of the view shown, in pixels.
    int ZoomBlock() const { return zoomView.block; }
    // In zoom mode, the block at the client point goes to the active pane and the view is left;
    // when collecting with more than one pane, the next pane becomes active and the view stays.
    void PickFromZoom(POINT point, bool collect);

    BOOL PreTranslateMessage(MSG* msg) override;
    // A list of the panes, the active one selected, or the magnified view as a picture.
    win::AccessibleFacts DescribeAccessible(long item) const override;
    long AccessibleItemCount() const override { return zoomMode ? 0 : GetPaneCount(); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawCanvas() override { Render(); }
    // Copies that part of the screen into the area's pixels; false when the screen cannot be
    // read. Tests stand in for the screen here.
    virtual bool CopyScreen(const PixelRect& area, ScreenArea& copy) const;
    // One of the view's two images; null when it cannot be made.
    virtual win::BitmapPtr MakeViewImage(int width, int height) const;

  private:
    // What assistive technology was last told of.
    struct Announced {
        bool zoomMode;
        int paneCount;
        int activePane;
        Argb activeColor;
        ColorNotation notation;
        std::vector<Argb> colors;
    };

    void RebuildPanes();
    void LayOutPanes();
    void PlaceTips();
    // What a pane's tip and its accessible description say.
    std::wstring PaneText(int index) const;
    LRESULT OnNotify(NMHDR* header);
    bool BuildZoom();
    void Render();
    void OnLButtonDown(POINT point, bool shift);
    void SelectPaneAt(POINT point);
    void DrawGrid();
    void OnArrowKey(GridMove move);
    void PostToParent(UINT message, WPARAM wParam) const;
    void AnnounceChanges();
    void AnnounceDescriptions(const Announced& now) const;
    bool IsPane(int index) const { return index >= 0 && index < GetPaneCount(); }

    std::vector<Pane> panes;
    int paneCount = 1;
    Argb backgroundColor{0xFFFFFFFF};
    Argb frameColor{0xFF282828};
    bool zoomMode = false;
    bool gridFlag = true;
    int dpi = kBaseDpi;
    int zoomFactor = kZoomFactor;
    // What the images below show, the screen point clicked for them and all the copy may show.
    ZoomView zoomView;
    PixelPoint zoomCenter{};
    PixelRect zoomBounds{};
    std::optional<ScreenArea> screenCapture;
    win::BitmapPtr zoomImage;
    win::BitmapPtr griddedImage;
    win::CursorHandle eyedropperCursor;
    Announced announced{false, 0, -1, Argb{}, ColorNotation::Colref, {}};
    win::ToolTip tips;
    ColorNotation notation = ColorNotation::Colref;
    std::wstring tipText; // the text a tip on show points to
    // In the language of the moment the display is made, as every text.
    const wchar_t* listName = L"";
    const wchar_t* zoomName = L"";
    const wchar_t* paneWord = L"";
};
