#pragma once
// What every visit to one of Tintra's dialogs does: the dialog opened by one click on its tool
// button and awaited in front, and at the end its going awaited.
#include "RunningTintra.h"

namespace soak {

class DialogVisit {
  public:
    DialogVisit(SoakInput& soakInput, RunningTintra& running) : input(soakInput), tintra(running) {}

  protected:
    // One click on the tool button, then the dialog it opens, in front.
    HWND Open(const std::string& what, int buttonId, const std::wstring& caption, std::string* problem) {
        if (!tintra.MainIsActive()) {
            *problem = "the main window is not active before " + what +
                       "; in front: " + Describe(GetForegroundWindow());
            return nullptr;
        }
        // A click or a key just given may still start a picking mode, and then the click on
        // the tool button would be its pick. Escape, handled in turn after them, ends any mode,
        // as a person would end it first.
        input.Key("Escape before a dialog", VK_ESCAPE);
        input.ClickButton(what, tintra.process->PanelButton(buttonId));
        HWND dialog = nullptr;
        if (!WaitFor([&] { return (dialog = OwnedWindow(tintra.main, caption)) != nullptr; },
                     kEffectTimeoutMs)) {
            *problem = "one click on its tool button did not open \"" + Utf8(caption) + "\"";
            return nullptr;
        }
        tintra.dialogsOpened.insert(buttonId);
        if (!WaitFor([&] { return GetForegroundWindow() == dialog; }, kEffectTimeoutMs)) {
            *problem = "\"" + Utf8(caption) +
                       "\" did not come to the front; in front: " + Describe(GetForegroundWindow());
            return nullptr;
        }
        return dialog;
    }
    // The dialog has gone from the screen (the main window may still wait for the next one).
    static std::string Closed(HWND dialog, const std::string& how) {
        if (!WaitFor([&] { return !IsWindowVisible(dialog); }, kEffectTimeoutMs))
            return how + " did not close the dialog";
        return {};
    }
    // One click on a button of the dialog, then its going.
    std::string CloseByClick(HWND dialog, const std::string& what, int id, const std::string& how) {
        input.ClickButton(what, GetDlgItem(dialog, id));
        return Closed(dialog, how);
    }
    // A key the dialog must be in front for, then its going.
    std::string CloseByKey(HWND dialog, const std::string& what, WORD key, const std::string& how) {
        const std::string problem = input.KeyIn(dialog, what, key);
        return problem.empty() ? Closed(dialog, how) : problem;
    }

    SoakInput& input;
    RunningTintra& tintra;
};

} // namespace soak
