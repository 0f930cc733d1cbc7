#pragma once
// The options dialog: it must open with what the program holds; then a few of its controls
// used, and Apply, Enter, Cancel or Escape, with the restart note after a change of language.
#include "DialogVisit.h"

namespace soak {

constexpr int kThemeButtons[] = {IDC_THEME_1, IDC_THEME_2, IDC_THEME_3,
                                 IDC_THEME_4, IDC_THEME_5, IDC_THEME_6};
constexpr int kPaneChoices[] = {1, 2, 4, 6, 9}; // the list's entries in order

class OptionsDialogVisit : DialogVisit {
  public:
    using DialogVisit::DialogVisit;

    std::string Run() {
        const bool russianBefore = tintra.choices.russian;
        std::string problem =
            Open("options: open", IDC_BUTTON_OPTIONS, russianBefore ? L"Опции Программы" : L"Options");
        if (problem.empty())
            problem = ShowsChoices();
        Choices inDialog = tintra.choices;
        for (int left = input.Pick(0, 4); left > 0 && problem.empty(); --left)
            problem = OneInput(&inDialog);
        if (!problem.empty())
            return problem;
        const int closing = input.Pick(0, 3);
        // The language changes at the click, whether the dialog is confirmed or not.
        const bool confirmed = closing < 2;
        const std::string how = confirmed ? "Apply" : "Cancel";
        problem = closing == 0   ? CloseByClick(dialog, "options: Apply", IDOK, how)
                  : closing == 1 ? CloseByKey(dialog, "options: Enter", VK_RETURN, how)
                  : closing == 2 ? CloseByClick(dialog, "options: Cancel", IDCANCEL, how)
                                 : CloseByKey(dialog, "options: Escape", VK_ESCAPE, how);
        if (!problem.empty())
            return problem;
        // A new pane count makes pane 0 active with the colour it had, and leaves the current
        // colour as it was: the two may differ until the colour next changes.
        if (confirmed && inDialog.panes != tintra.choices.panes)
            tintra.colourKeptApart = tintra.SliderColor();
        if (confirmed)
            tintra.choices = inDialog;
        tintra.choices.russian = inDialog.russian;
        if (confirmed && tintra.choices.russian != russianBefore) {
            if (problem = RestartNote(russianBefore); !problem.empty())
                return problem;
        } else {
            // Once the main window answers again, a note would be showing.
            tintra.Answers(kEffectTimeoutMs);
            if (OwnedWindow(tintra.main, L"Tintra"))
                return "a restart note shows although the language did not change";
        }
        return tintra.Agrees(tintra.SliderColor());
    }

  private:
    bool IsChecked(int id) const {
        return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // The dialog shows the values the program holds, as it opens.
    std::string ShowsChoices() const {
        const Choices& choices = tintra.choices;
        const HWND box = GetDlgItem(dialog, IDC_PANE_COUNT);
        const int listed = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
        const int panes =
            listed >= 0 && listed < static_cast<int>(std::size(kPaneChoices)) ? kPaneChoices[listed] : -1;
        if (panes != choices.panes)
            return "the options dialog opens with " + std::to_string(panes) + " panes, the program has " +
                   std::to_string(choices.panes);
        if (IsChecked(IDC_GRID) != choices.grid)
            return "the options dialog opens with the grid box not as the program has it";
        if (IsChecked(IDC_LOUPE) != choices.loupe)
            return "the options dialog opens with the magnifier box not as the program has it";
        if (IsChecked(IDC_AUTOSTART) != choices.autostart)
            return "the options dialog opens with the start-with-Windows box not as the program has it";
        if (!IsChecked(kThemeButtons[choices.theme - 1]))
            return "the options dialog opens without theme " + std::to_string(choices.theme) + " checked";
        if (!IsChecked(choices.russian ? IDC_RUSSIAN : IDC_ENGLISH))
            return "the options dialog opens with the other language checked";
        return {};
    }

    // The note in the language in force before the change, closed with its button.
    std::string RestartNote(bool russianBefore) {
        HWND note = nullptr;
        if (!WaitFor([&] { return (note = OwnedWindow(tintra.main, L"Tintra")) != nullptr; },
                     kEffectTimeoutMs))
            return "a change of language brought no restart note";
        if (!HasChildWithText(note, kRestartNote[russianBefore]))
            return "the restart note is not in the language in force before the change";
        WaitFor([&] { return GetForegroundWindow() == note; }, kEffectTimeoutMs);
        return CloseByClick(note, "options: the restart note's OK", IDOK, "OK on the restart note");
    }

    // One click on a box or a radio button, and its new state awaited.
    std::string Check(const std::string& what, int id, bool checked) {
        input.ClickButton("options: " + what, GetDlgItem(dialog, id));
        if (!WaitFor([&] { return IsChecked(id) == checked; }, kEffectTimeoutMs))
            return "one click on " + what + " did not " + (checked ? "check" : "clear") + " it";
        return {};
    }

    // One of the dialog's controls used once, and its effect awaited.
    std::string OneInput(Choices* inDialog) {
        switch (input.Pick(0, 6)) {
        case 0:
            inDialog->grid = !IsChecked(IDC_GRID);
            return Check("the grid box", IDC_GRID, inDialog->grid);
        case 1:
            inDialog->autostart = !IsChecked(IDC_AUTOSTART);
            return Check("the start-with-Windows box", IDC_AUTOSTART, inDialog->autostart);
        case 2:
            inDialog->theme = input.Pick(1, kThemeCount);
            return Check("a theme button", kThemeButtons[inDialog->theme - 1], true);
        case 3:
            inDialog->russian = input.Pick(0, 1) != 0;
            return Check(inDialog->russian ? "Russian" : "English",
                         inDialog->russian ? IDC_RUSSIAN : IDC_ENGLISH, true);
        case 4:
            return ChoosePaneCount(inDialog);
        case 5:
            inDialog->loupe = !IsChecked(IDC_LOUPE);
            return Check("the magnifier box", IDC_LOUPE, inDialog->loupe);
        default:
            input.CountedClick("options: click on the face", OnScreen(dialog, 3, 3));
            return {};
        }
    }

    // The list dropped with one click, an entry chosen with another.
    std::string ChoosePaneCount(Choices* inDialog) {
        const HWND box = GetDlgItem(dialog, IDC_PANE_COUNT);
        input.ClickButton("options: the pane-count list", box);
        if (!WaitFor([&] { return SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) == TRUE; }, kEffectTimeoutMs))
            return "one click on the pane-count list did not drop it";
        COMBOBOXINFO info{sizeof(info)};
        SendWithRemoteData(box, CB_GETCOMBOBOXINFO, 0, &info, sizeof(info));
        if (!info.hwndList)
            return "the dropped pane-count list could not be found";
        // An entry the list shows: it may be scrolled to show the chosen one.
        const PixelRect list = win::ClientRect(info.hwndList);
        const int height = std::max(1, static_cast<int>(SendMessageW(info.hwndList, LB_GETITEMHEIGHT, 0, 0)));
        const int top = static_cast<int>(SendMessageW(info.hwndList, LB_GETTOPINDEX, 0, 0));
        const int last = std::min(static_cast<int>(std::size(kPaneChoices)), top + list.bottom / height) - 1;
        const int entry = input.Pick(top, last);
        const POINT screen = OnScreen(info.hwndList, list.right / 2, (entry - top) * height + height / 2);
        input.CountedClick("options: an entry of the pane-count list", screen);
        inDialog->panes = kPaneChoices[entry];
        if (!WaitFor(
                [&] {
                    return SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) == FALSE &&
                           SendMessageW(box, CB_GETCURSEL, 0, 0) == entry;
                },
                kEffectTimeoutMs))
            return "one click on the entry \"" + std::to_string(kPaneChoices[entry]) +
                   "\" did not choose it and close the list (entry " +
                   std::to_string(SendMessageW(box, CB_GETCURSEL, 0, 0)) + " chosen, the list " +
                   (SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) ? "dropped" : "closed") + ", item height " +
                   std::to_string(height) + ", top " + std::to_string(top) + ", under the pointer " +
                   Describe(WindowFromPoint(screen)) + ")";
        return {};
    }
};

} // namespace soak
