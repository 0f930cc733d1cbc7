#pragma once
// What every visit to one of Tintra's dialogs does: the dialog opened by one click on its tool
// button and awaited in front, and at the end its going awaited.
#include "RunningTintra.h"

namespace soak {

class DialogVisit {
  public:
    DialogVisit(SoakInput& soakInput, RunningTintra& running) : input(soakInput), tintra(running) {}

  protected:
    // One click on the tool button, then the dialog it opens, in front; the empty text once it is.
    std::string Open(const std::string& what, int buttonId, const std::wstring& caption) {
        if (!tintra.MainIsActive())
            return "the main window is not active before " + what +
                   "; in front: " + Describe(GetForegroundWindow());
        // A click or a key just given may still start a picking mode, and then the click on
        // the tool button would be its pick. Escape, handled in turn after them, ends any mode,
        // as a person would end it first.
        input.Key("Escape before a dialog", VK_ESCAPE);
        input.ClickButton(what, tintra.process->PanelButton(buttonId));
        if (!WaitFor([&] { return (dialog = OwnedWindow(tintra.main, caption)) != nullptr; },
                     kEffectTimeoutMs))
            return "one click on its tool button did not open \"" + Utf8(caption) + "\"";
        tintra.dialogsOpened.insert(buttonId);
        if (!WaitFor([&] { return GetForegroundWindow() == dialog; }, kEffectTimeoutMs))
            return "\"" + Utf8(caption) +
                   "\" did not come to the front; in front: " + Describe(GetForegroundWindow());
        return {};
    }
    // The dialog has gone from the screen (the main window may still wait for the next one).
    static std::string Closed(HWND window, const std::string& how) {
        if (!WaitFor([&] { return !IsWindowVisible(window); }, kEffectTimeoutMs))
            return how + " did not close the dialog";
        return {};
    }
    // One click on a button of the dialog, then its going.
    std::string CloseByClick(HWND window, const std::string& what, int id, const std::string& how) {
        input.ClickButton(what, GetDlgItem(window, id));
        return Closed(window, how);
    }
    // A key for the dialog, which must be in front to receive it, then its going.
    std::string CloseByKey(HWND window, const std::string& what, WORD key, const std::string& how) {
        if (!WaitFor([&] { return GetForegroundWindow() == window; }, kEffectTimeoutMs))
            return "the dialog is not in front for " + what +
                   "; in front: " + Describe(GetForegroundWindow());
        input.Key(what, key);
        return Closed(window, how);
    }

    SoakInput& input;
    RunningTintra& tintra;
    HWND dialog = nullptr; // the one the last Open opened
};

} // namespace soak
