#include "DlgOptions.h"

#include "../../res/resource.h"
#include "../logic/Language.h"
#include "../logic/Theme.h"
#include "../win/GlobalHotkey.h"

#include <string>

namespace {

// Theme 1 .. 6, in order.
constexpr int kThemeButtonIds[] = {IDC_THEME_1, IDC_THEME_2, IDC_THEME_3,
                                   IDC_THEME_4, IDC_THEME_5, IDC_THEME_6};

} // namespace

CDlgOptions::CDlgOptions() : ThemedDialog(IDD_OPTIONS) {}

void CDlgOptions::DoDataExchange() {
    BindControl(paneCountBox, IDC_PANE_COUNT);
    BindControl(gridBox, IDC_GRID);
    BindControl(autostartBox, IDC_AUTOSTART);
    BindControl(loupeBox, IDC_LOUPE);
    BindControl(copyOnPickBox, IDC_COPY_ON_PICK);
    BindControl(sampleBox, IDC_SAMPLE);
    BindControl(hotkeyControl, IDC_HOTKEY);
    BindControl(hotkeyNote, IDC_HOTKEY_NOTE);
    for (int i = 0; i < kThemeButtonCount; ++i)
        BindControl(themeButtons[static_cast<size_t>(i)], kThemeButtonIds[i]);
    BindControl(englishButton, IDC_ENGLISH);
    BindControl(russianButton, IDC_RUSSIAN);
}

// The texts are chosen once: a click on a language button does not re-caption the dialog.
// A group box clips its caption to the caption's measured width, and the last letter of some
// faces reaches a pixel or two past it ("Авто-запуск" lost half its "к"): a space after the
// caption keeps that letter whole.
void CDlgOptions::SetCaptions() const {
    for (const OptionCaption& caption : kOptionCaptions) {
        const HWND window = caption.id ? GetDlgItem(Hwnd(), caption.id) : Hwnd();
        std::wstring text = Localized(caption.english, caption.russian);
        if (caption.id && (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)
            text += L' ';
        SetWindowTextW(window, text.c_str());
    }
}

// A value the lists do not offer shows as the first entry but is kept until the user changes it.
BOOL CDlgOptions::OnInitDialog() {
    SetCaptions();
    for (int position = 0; position < kPaneChoiceCount; ++position)
        paneCountBox.AddString(PaneChoiceText(position));
    paneCountBox.SetCurSel(PanePositionOf(options.panes));
    gridBox.SetChecked(options.grid);
    autostartBox.SetChecked(options.autostart);
    loupeBox.SetChecked(options.loupe);
    copyOnPickBox.SetChecked(options.copyOnPick);
    for (int position = 0; !SampleChoiceText(position).empty(); ++position)
        sampleBox.AddString(SampleChoiceText(position));
    sampleBox.SetCurSel(SamplePositionOf(options.sample));
    hotkeyControl.AskForModifiers();
    hotkeyControl.SetKey(options.hotkey);
    ShowWhetherKeyIsFree();
    const int checkedTheme = ThemeIndex(options.theme);
    for (int i = 0; i < kThemeButtonCount; ++i) {
        win::Button& button = themeButtons[static_cast<size_t>(i)];
        button.SetChecked(i == checkedTheme);
        // Each shows only the picture beside it; a caption would not fit.
        button.SetAccessibleName(Localized(L"Theme ", L"Вид ") + std::to_wstring(i + 1));
    }
    englishButton.SetChecked(!IsRussian());
    russianButton.SetChecked(IsRussian());
    return TRUE;
}

LRESULT CDlgOptions::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (win::IsCtlColorMessage(message))
        return OnCtlColor(message, wParam, lParam);
    if (message == WM_COMMAND)
        OnCommand(LOWORD(wParam), HIWORD(wParam));
    return ThemedDialog::HandleMessage(message, wParam, lParam);
}

// The list boxes, their dropped lists included, and the hotkey control keep the system colours.
LRESULT CDlgOptions::OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT standard = DefaultProc(message, wParam, lParam);
    const auto control = reinterpret_cast<HWND>(lParam);
    if (IsPartOf(paneCountBox, control) || IsPartOf(sampleBox, control) || control == hotkeyControl.Hwnd())
        return standard;
    return FaceColors(reinterpret_cast<HDC>(wParam));
}

bool CDlgOptions::IsPartOf(const win::ComboBox& box, HWND control) {
    if (!control)
        return false;
    if (control == box.Hwnd())
        return true;
    COMBOBOXINFO info{sizeof(info)};
    return GetComboBoxInfo(box.Hwnd(), &info) && control == info.hwndList;
}

void CDlgOptions::ShowWhetherKeyIsFree() const {
    hotkeyNote.SetText(win::GlobalHotkey::IsHeldElsewhere(Hwnd(), options.hotkey)
                           ? Localized(L"Another program holds this key; Tintra works on without it.",
                                       L"Эту клавишу заняла другая программа; Tintra работает без нее.")
                           : L"");
}

void CDlgOptions::OnCommand(int id, int notification) {
    if (id == IDC_PANE_COUNT) {
        if (notification == CBN_SELCHANGE)
            options.panes = PaneCountAt(paneCountBox.GetCurSel());
        return;
    }
    if (id == IDC_SAMPLE) {
        if (notification == CBN_SELCHANGE)
            options.sample = SampleSideAt(sampleBox.GetCurSel());
        return;
    }
    if (id == IDC_HOTKEY) {
        if (notification == EN_CHANGE) {
            options.hotkey = hotkeyControl.GetKey();
            ShowWhetherKeyIsFree();
        }
        return;
    }
    if (notification != BN_CLICKED)
        return;
    if (id == IDC_GRID)
        options.grid = gridBox.IsChecked();
    else if (id == IDC_AUTOSTART)
        options.autostart = autostartBox.IsChecked();
    else if (id == IDC_LOUPE)
        options.loupe = loupeBox.IsChecked();
    else if (id == IDC_COPY_ON_PICK)
        options.copyOnPick = copyOnPickBox.IsChecked();
    else if (id == IDC_ENGLISH && englishButton.IsChecked())
        SetRussian(false);
    else if (id == IDC_RUSSIAN && russianButton.IsChecked())
        SetRussian(true);
    for (int i = 0; i < kThemeButtonCount; ++i)
        if (id == kThemeButtonIds[i] && themeButtons[static_cast<size_t>(i)].IsChecked())
            options.theme = i + 1;
}
