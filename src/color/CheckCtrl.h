#pragma once
#include "../logic/color/ColorNotation.h"
#include "../ui/CanvasWindow.h"

// A small square mark, empty or filled. In radio mode a click always fills it; in toggle mode
// a click flips it. Every click inside is posted to the parent as WM_CHECK_CLICKED.
class CheckCtrl : public ui::CanvasWindow {
  public:
    // The name is not drawn: it names the mark for assistive technology.
    virtual bool Create(LPCWSTR name, DWORD style, const RECT& rect, HWND parent, UINT id, int toggle);
    void SetCheck(bool check);
    bool IsChecked() const { return checked != 0; }
    // A radio button, or a check box in toggle mode, named by its window text.
    win::AccessibleFacts DescribeAccessible(long item) const override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawCanvas() override;

  private:
    void OnLButtonDown(POINT point);
    // Every change of the mark comes through here, so that a screen reader hears of it.
    void ChangeCheck(int check);

    RECT clientRect{};
    Argb backgroundColor{0xFFFFFFFF};
    Argb markColor{0xFF000000};
    int checked = 0;
    int toggleMode = 0;
};
