#pragma once
#include "../win/Controls.h"

// A channel slider that tells its parent about every press and drag step (WM_SLIDER_MOVED),
// posted before the trackbar moves its thumb, so the parent reads the new position.
class CSlider : public win::Trackbar {
  public:
    // A slider whose value is its position, named by its window text.
    win::AccessibleFacts DescribeAccessible(long item) const override;
    void SetText(const wchar_t* text) const { SetWindowTextW(Hwnd(), text); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void NotifyParent() const;

    bool dragging = false;
};
