#pragma once
#include "../win/Controls.h"

// A channel slider that tells its parent about every press and drag step (WM_SLIDER_MOVED),
// posted before the trackbar moves its thumb, so the parent reads the new position.
class CSlider : public win::Trackbar {
  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void NotifyParent() const;

    bool dragging = false;
};
