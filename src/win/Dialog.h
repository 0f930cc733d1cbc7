#pragma once
#include "Window.h"

namespace win {

// A dialog from a resource template. It is bound before WM_NCCREATE, so it sees WM_CREATE
// (and may create children there) before WM_INITDIALOG.
class Dialog : public Window {
  public:
    explicit Dialog(UINT templateId);

    // Runs its own loop, centred over the owner, with the owner disabled; returns the
    // EndModal result, or -1 when the dialog could not be created.
    INT_PTR RunModal(HWND owner);
    // Creates the dialog without a loop, for example as a child panel.
    bool CreateModeless(HWND parent);
    void EndModal(INT_PTR result);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Binds template controls to their wrappers; runs first in WM_INITDIALOG.
    virtual void DoDataExchange() {}
    virtual BOOL OnInitDialog() { return TRUE; }
    void BindControl(Window& control, int id) { control.Attach(GetDlgItem(Hwnd(), id)); }

  private:
    bool CreateFromTemplate(HWND parent);
    bool PreTranslateChain(MSG& msg);

    UINT templateId;
    bool inModalLoop = false;
    INT_PTR modalResult = -1;
};

} // namespace win
