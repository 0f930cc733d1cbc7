// The main window's side of the colour, options and about dialogs (tool-panel commands 1, 5
// and 6): what each is handed, how it runs, and what becomes of its result.
#include "TintraDlg.h"

#include "../dialogs/DlgAbout.h"
#include "../dialogs/DlgColor.h"
#include "../dialogs/DlgOptions.h"
#include "../logic/Language.h"
#include "../win/Colors.h"
#include "../win/DialogLoopWatch.h"
#include "../win/LateBound.h"

#include <commdlg.h>

#include <array>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// The system colour dialog's custom colours: one set for the whole run, white at first,
// never saved.
std::array<COLORREF, 16>& CustomColors() {
    static std::array<COLORREF, 16> colors = [] {
        std::array<COLORREF, 16> white{};
        white.fill(kWhite);
        return white;
    }();
    return colors;
}

} // namespace

void CTintraDlg::RunColorDialog() {
    CDlgColor dialog;
    dialog.SetBackgroundColor(backgroundColor);
    const INT_PTR result = dialog.RunModal(Hwnd());
    PassOverRestOfClick(dialog.EndingMessage());
    if (result == IDOK) {
        SetCurrentColor(dialog.GetPickedColor());
    } else if (result == IDCANCEL && dialog.WantsMoreColors()) {
        // The small form, starting from black, with no initial colour asked for.
        CHOOSECOLORW choose{};
        choose.lStructSize = sizeof(choose);
        choose.hwndOwner = Hwnd();
        choose.rgbResult = 0;
        choose.lpCustColors = CustomColors().data();
        // The common dialogs' library brings the shell's with it: loaded here, not at start-up.
        const auto chooseColor =
            win::LateBoundFunction<decltype(ChooseColorW)>(L"comdlg32.dll", "ChooseColorW");
        const win::DialogLoopWatch watch;
        if (chooseColor && chooseColor(&choose))
            SetCurrentColor(win::ToColorRef(choose.rgbResult));
        PassOverRestOfClick(watch.LastMessage());
    }
}

void CTintraDlg::RunOptionsDialog() {
    const bool wasRussian = IsRussian();
    CDlgOptions dialog;
    dialog.SetBackgroundColor(backgroundColor);
    dialog.SetValues(OptionValues{autostartFlag, gridFlag, paneCount, colorTheme, loupeFlag, copyOnPickFlag,
                                  sampleSide, hotkey});
    // Let go while the dialog runs, so that it can tell a key another program holds from this one.
    pickerHotkey.Release();
    const INT_PTR result = dialog.RunModal(Hwnd());
    PassOverRestOfClick(dialog.EndingMessage());
    if (result == IDOK) {
        ApplyOptions(dialog.Values());
        // The main window keeps the texts it opened with, so the note speaks the old language.
        if (IsRussian() != wasRussian) {
            const win::DialogLoopWatch watch;
            MessageBoxW(Hwnd(),
                        wasRussian ? L"Языковые опции будут применены после перезагрузки программы"
                                   : L"Language options will be applied when application is restarted",
                        L"Tintra", MB_OK);
            PassOverRestOfClick(watch.LastMessage());
        }
    }
    pickerHotkey.Take(Hwnd(), hotkey);
    // Whatever the result: the sliders repaint with the current brush when they take the focus.
    Invalidate(true);
    const HWND focused = GetFocus();
    for (CSlider& slider : sliders)
        SetFocus(slider.Hwnd());
    if (focused)
        SetFocus(focused);
}

// The new settings reach the registry when the window closes.
void CTintraDlg::ApplyOptions(const OptionValues& values) {
    autostartFlag = values.autostart;
    gridFlag = values.grid;
    paneCount = values.panes;
    colorTheme = values.theme;
    loupeFlag = values.loupe;
    copyOnPickFlag = values.copyOnPick;
    sampleSide = values.sample;
    hotkey = values.hotkey;
    picker.SetOptions(loupeFlag, sampleSide);
    colorDisplay.SetGrid(gridFlag);
    const ColorRef oldBackground = backgroundColor;
    if (colorDisplay.GetPaneCount() != paneCount)
        colorDisplay.SetPaneCount(paneCount);
    ApplyTheme(oldBackground);
    for (win::StaticText& label : labels)
        InvalidateRect(label.Hwnd(), nullptr, TRUE);
}

void CTintraDlg::RunAboutDialog() {
    CDlgAbout dialog;
    dialog.SetBackgroundColor(backgroundColor);
    dialog.RunModal(Hwnd());
    PassOverRestOfClick(dialog.EndingMessage());
}
