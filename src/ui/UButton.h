#pragma once
#include "../logic/Color.h"
#include "CanvasWindow.h"

#include <functional>
#include <utility>
#include <vector>

// A push button drawn from up to three pictures. It shows a hover picture under the pointer,
// a down picture while pressed, and, when latching, stays down until the next click. As with
// any push button, a press is given up by a release off the button.
class UButton : public ui::CanvasWindow {
  public:
    virtual bool Create(LPCWSTR caption, DWORD style, const RECT& rect, HWND parent, UINT id,
                        bool latchingButton);
    // Makes a picture the button shows only under the pointer or pressed, when it first does:
    // most buttons never are in a session, and each picture made at start-up delays the window.
    using PictureMaker = std::function<win::BitmapPtr()>;

    // Resource numbers; 0 for hover or down means the normal picture.
    void SetImagesFromResources(HINSTANCE instance, int hover, int down, int normal);
    // The button takes the normal picture, and the makers of the others; a picture with no maker,
    // or one its maker cannot make, is a copy of the normal one. Without a normal picture the
    // call does nothing.
    void SetPictures(win::BitmapPtr normal, PictureMaker hover, PictureMaker down);
    // 0 and 1 set the down state; any other value only redraws.
    void SetDown(int down);
    bool IsDown() const { return isDown; }
    // In every picture, also those made later.
    void ReplaceColor(ColorRef oldColor, ColorRef newColor);
    // A push button named by its window text (its owner gives it the tooltip's), pressed while down.
    win::AccessibleFacts DescribeAccessible(long item) const override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawCanvas() override { Recompose(); }

  private:
    void OnDrawItem(const DRAWITEMSTRUCT* item);
    void OnMouseMove(POINT point);
    void OnMouseLeave();
    void OnLButtonUp(POINT point);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);

    bool IsOver(POINT point) const;
    // The platform button's state while it is held with the pointer over it.
    bool IsPushed() const { return (SendMessageW(Hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }
    bool ShowsDown() const { return IsPushed() ? !isDown : isDown; }
    void Recompose();
    void Refresh();
    void DrawOnCanvas(Gdiplus::Bitmap* picture);

    struct LaterPicture {
        win::BitmapPtr image;
        PictureMaker make;
    };
    Gdiplus::Bitmap* Made(LaterPicture& picture);

    win::BitmapPtr normalImage;
    LaterPicture downPicture;
    LaterPicture hoverPicture;
    // The colour replacements so far, for the pictures not made yet.
    std::vector<std::pair<ColorRef, ColorRef>> replacements;
    bool isDown = false;
    bool isHover = false;
    bool latching = false;
    // The down state assistive technology was last told of.
    bool announcedDown = false;
};
