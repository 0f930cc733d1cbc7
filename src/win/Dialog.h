#pragma once
#include "SystemDpi.h"
#include "Handles.h"
#include "Window.h"

#include <vector>

namespace win {

// A dialog from a resource template. It is bound before WM_NCCREATE, so it sees WM_CREATE
// (and may create children there) before WM_INITDIALOG.
class Dialog : public Window {
  public:
    explicit Dialog(UINT templateId);

    // Runs its own loop, centred over the owner, with the owner disabled, and destroys the
    // window at its end; returns the EndModal result, or -1 when the dialog could not be created.
    INT_PTR RunModal(HWND owner);
    // Creates the dialog without a loop, for example as a child panel.
    bool CreateModeless(HWND parent);
    void EndModal(INT_PTR result);
    // The last message the modal loop took: after the loop, the input that ended the dialog.
    const MSG& EndingMessage() const { return lastMessage; }
    // The DPI the dialog is laid out for. A child dialog is told of a change by its parent;
    // a top-level one learns it from WM_DPICHANGED and takes the suggested rectangle first.
    int Dpi() const { return dpi; }
    void SetDpi(int newDpi) { OnDpiChanged(newDpi); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Binds template controls to their wrappers; runs first in WM_INITDIALOG.
    virtual void DoDataExchange() {}
    virtual BOOL OnInitDialog() { return TRUE; }
    void BindControl(Window& control, int id);
    // The children the dialog has at WM_INITDIALOG, in z-order: those it made in WM_CREATE,
    // then the template's controls.
    const std::vector<HWND>& Children() const { return childWindows; }
    // The lowest bottom edge, in client coordinates, of those children with WS_VISIBLE (the
    // dialog itself need not be shown yet), leaving out `except`; 0 without any.
    int LowestChildBottom(HWND except = nullptr) const;
    // Moves the template's controls and gives them the template's font at the new DPI;
    // a dialog with children placed in pixels lays those out after this.
    virtual void OnDpiChanged(int newDpi);
    // Extended styles the window gets at creation beyond its template's, such as
    // WS_EX_TOPMOST: set then, they cost no later reordering of the shown windows.
    void AddCreationExStyle(DWORD exStyle) { creationExStyle |= exStyle; }
    UINT TemplateId() const { return templateId; }
    // Sees each queued message for the dialog or a window inside it before their own
    // pre-translation does; true takes it.
    virtual bool TakesBeforeChildren(const MSG&) { return false; }

  private:
    bool CreateFromTemplate(HWND parent);
    bool PreTranslateChain(MSG& msg);
    void RememberTemplateLayout();

    struct TemplateControl {
        HWND window;
        int id;
        RECT rect; // at the template's DPI
    };

    UINT templateId;
    DWORD creationExStyle = 0;
    bool inModalLoop = false;
    INT_PTR modalResult = -1;
    MSG lastMessage{};
    int dpi = kBaseDpi;
    int templateDpi = kBaseDpi;
    std::vector<TemplateControl> templateControls;
    std::vector<HWND> childWindows;
    HFONT templateFont = nullptr; // the dialog manager's
    FontHandle scaledFont;
};

} // namespace win
