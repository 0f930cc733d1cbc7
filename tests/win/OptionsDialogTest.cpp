#include "AccessibleReader.h"
#include "WindowTestSupport.h"
#include "logic/Language.h"
#include "dialogs/DlgOptions.h"
#include "win/Colors.h"
#include "win/Controls.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <string>

namespace {

constexpr ColorRef kFace = MakeColorRef(251, 199, 202);
constexpr int kThemeButtons[] = {IDC_THEME_1, IDC_THEME_2, IDC_THEME_3,
                                 IDC_THEME_4, IDC_THEME_5, IDC_THEME_6};

bool IsChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

int CheckedThemeButton(HWND dialog) {
    int checked = -1;
    for (int i = 0; i < 6; ++i)
        if (IsChecked(dialog, kThemeButtons[i]))
            checked = checked == -1 ? i : 99; // more than one: the group is broken
    return checked;
}

class OptionsDialog : public ::testing::Test {
  protected:
    void TearDown() override { SetRussian(false); }

    // Opens the dialog on the values; `act` runs once it is initialised, and its posts are
    // handled by the dialog's own loop, which the last of them ends.
    INT_PTR Run(const OptionValues& values, const std::function<void(HWND)>& act) {
        dialog.SetValues(values);
        return RunModalThen(dialog, nullptr, act);
    }
    static void Click(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    // What a person's choice in a list does: the selection moves and the box tells its dialog.
    static void Choose(HWND dialog, int position, int id = IDC_PANE_COUNT) {
        const HWND box = GetDlgItem(dialog, id);
        SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    }
    // A key typed into the hotkey control, which tells its dialog as an edit control does.
    static void TypeHotkey(HWND dialog, int key) {
        const HWND control = GetDlgItem(dialog, IDC_HOTKEY);
        SendMessageW(control, HKM_SETHOTKEY, static_cast<WPARAM>(key), 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_HOTKEY, EN_CHANGE),
                     reinterpret_cast<LPARAM>(control));
    }

    CDlgOptions dialog;
};

// Values outside the lists show the first entry and are kept.
TEST_F(OptionsDialog, OpensOnTheValuesAndReturnsThemUntouched) {
    const struct {
        OptionValues values;
        int listed, themeButton;
        int sampleListed;
    } rows[] = {{OptionValues{true, false, 6, 5, false, true, 5, 0x0171}, 3, 4, 2},
                {OptionValues{false, true, 3, 0, true, false, 2, 0}, 0, 0, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.values.panes);
        int selected = -1, theme = -1, entries = 0, sample = -1, hotkey = -1;
        bool grid = !row.values.grid, autostart = !row.values.autostart, loupe = !row.values.loupe;
        const INT_PTR result = Run(row.values, [&](HWND window) {
            selected = static_cast<int>(SendDlgItemMessageW(window, IDC_PANE_COUNT, CB_GETCURSEL, 0, 0));
            entries = static_cast<int>(SendDlgItemMessageW(window, IDC_PANE_COUNT, CB_GETCOUNT, 0, 0));
            sample = static_cast<int>(SendDlgItemMessageW(window, IDC_SAMPLE, CB_GETCURSEL, 0, 0));
            hotkey = static_cast<int>(SendDlgItemMessageW(window, IDC_HOTKEY, HKM_GETHOTKEY, 0, 0));
            theme = CheckedThemeButton(window);
            grid = IsChecked(window, IDC_GRID);
            autostart = IsChecked(window, IDC_AUTOSTART);
            loupe = IsChecked(window, IDC_LOUPE);
            Click(window, IDOK);
        });
        EXPECT_EQ(sample, row.sampleListed);
        EXPECT_EQ(hotkey, row.values.hotkey);
        EXPECT_EQ(loupe, row.values.loupe);
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(entries, 5);
        EXPECT_EQ(selected, row.listed);
        EXPECT_EQ(theme, row.themeButton);
        EXPECT_EQ(grid, row.values.grid);
        EXPECT_EQ(autostart, row.values.autostart);
        const OptionValues values = dialog.Values();
        EXPECT_EQ(values.autostart, row.values.autostart);
        EXPECT_EQ(values.grid, row.values.grid);
        EXPECT_EQ(values.panes, row.values.panes);
        EXPECT_EQ(values.theme, row.values.theme);
        EXPECT_EQ(values.sample, row.values.sample);
        EXPECT_EQ(values.hotkey, row.values.hotkey);
    }
}

TEST_F(OptionsDialog, ChoosingTwoThenOneGivesOnePane) {
    Run(OptionValues{false, true, 3, 4}, [](HWND window) {
        Choose(window, 1);
        Choose(window, 0);
        Click(window, IDOK);
    });
    EXPECT_EQ(dialog.Values().panes, 1);
}

TEST_F(OptionsDialog, EachControlSetsItsValue) {
    Run(OptionValues{false, true, 4, 4}, [](HWND window) {
        Choose(window, 4);
        Click(window, IDC_GRID);
        Click(window, IDC_AUTOSTART);
        Click(window, IDC_THEME_2);
        Click(window, IDC_THEME_6);
        Click(window, IDC_LOUPE);
        Click(window, IDC_COPY_ON_PICK);
        Choose(window, 1, IDC_SAMPLE);
        TypeHotkey(window, 0x0371);
        Click(window, IDOK);
    });
    const OptionValues values = dialog.Values();
    EXPECT_EQ(values.panes, 9);
    EXPECT_FALSE(values.grid);
    EXPECT_TRUE(values.autostart);
    EXPECT_EQ(values.theme, 6);
    EXPECT_FALSE(values.loupe);
    EXPECT_TRUE(values.copyOnPick);
    EXPECT_EQ(values.sample, 3);
    EXPECT_EQ(values.hotkey, 0x0371);
}

// The words beside the hotkey control come and go with the key it shows.
TEST_F(OptionsDialog, SaysBesideTheHotkeyWhenAnotherProgramHoldsIt) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'P'));
    std::wstring held, free;
    Run(OptionValues{}, [&](HWND window) {
        TypeHotkey(window, 0x0650);
        held = win::WindowText(GetDlgItem(window, IDC_HOTKEY_NOTE));
        TypeHotkey(window, 0x0651);
        free = win::WindowText(GetDlgItem(window, IDC_HOTKEY_NOTE));
        Click(window, IDCANCEL);
    });
    UnregisterHotKey(nullptr, 1);
    EXPECT_EQ(held, L"Another program holds this key; Tintra works on without it.");
    EXPECT_EQ(free, L"");
}

TEST_F(OptionsDialog, EveryThemeButtonSetsItsThemeAndClearsTheOthers) {
    for (int theme = 1; theme <= 6; ++theme) {
        CDlgOptions options;
        options.SetValues(OptionValues{false, true, 1, theme == 1 ? 2 : 1});
        int checked = -1;
        RunModalThen(options, nullptr, [&](HWND window) {
            SendMessageW(GetDlgItem(window, kThemeButtons[theme - 1]), BM_CLICK, 0, 0);
            checked = CheckedThemeButton(window);
            Click(window, IDOK);
        });
        EXPECT_EQ(checked, theme - 1);
        EXPECT_EQ(options.Values().theme, theme);
    }
}

TEST_F(OptionsDialog, ALanguageButtonChangesTheLanguageAtTheClickEvenWhenCancelled) {
    bool englishChecked = false;
    const INT_PTR result = Run(OptionValues{}, [&](HWND window) {
        englishChecked = IsChecked(window, IDC_ENGLISH) && !IsChecked(window, IDC_RUSSIAN);
        Click(window, IDC_RUSSIAN);
        Click(window, IDCANCEL);
    });
    EXPECT_TRUE(englishChecked);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(IsRussian());

    CDlgOptions again;
    bool russianChecked = false;
    RunModalThen(again, nullptr, [&](HWND window) {
        russianChecked = IsChecked(window, IDC_RUSSIAN) && !IsChecked(window, IDC_ENGLISH);
        Click(window, IDC_ENGLISH);
        Click(window, IDOK);
    });
    EXPECT_TRUE(russianChecked);
    EXPECT_FALSE(IsRussian());
}

TEST_F(OptionsDialog, CaptionsAndTheThemeButtonsNamesInBothLanguages) {
    for (bool russian : {false, true}) {
        SetRussian(russian);
        CDlgOptions options;
        ASSERT_TRUE(options.CreateModeless(nullptr));
        for (const OptionCaption& caption : kOptionCaptions) {
            EXPECT_GT(wcslen(caption.english), 0u) << caption.id;
            EXPECT_STRNE(caption.english, caption.russian) << caption.id; // translated
            const HWND window = caption.id ? GetDlgItem(options.Hwnd(), caption.id) : options.Hwnd();
            // A group box's caption is followed by a space, which keeps its last letter whole.
            std::wstring expected = russian ? caption.russian : caption.english;
            if (caption.id && (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)
                expected += L' ';
            EXPECT_EQ(win::WindowText(window), expected) << caption.id;
        }
        // The theme buttons have no caption: a screen reader is told their names instead.
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(AccessibleReader(GetDlgItem(options.Hwnd(), kThemeButtons[i])).Name(),
                      (russian ? L"Вид " : L"Theme ") + std::to_wstring(i + 1));
        // A click on the other language does not re-caption the open dialog.
        SendMessageW(GetDlgItem(options.Hwnd(), russian ? IDC_ENGLISH : IDC_RUSSIAN), BM_CLICK, 0, 0);
        EXPECT_EQ(win::WindowText(GetDlgItem(options.Hwnd(), IDOK)), russian ? L"Применить" : L"Apply");
    }
}

TEST_F(OptionsDialog, TheFaceAndItsControlsShowTheThemeButTheListBoxesKeepTheirColours) {
    dialog.SetBackgroundColor(kFace);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    for (int id : {0, IDC_GRID, IDC_PANE_COUNT_LABEL, IDC_THEME_GROUP, IDC_THEME_3, IDC_RUSSIAN}) {
        const ControlColors colors = AskControlColors(dialog.Hwnd(), id ? WM_CTLCOLORSTATIC : WM_CTLCOLORDLG,
                                                      id ? GetDlgItem(dialog.Hwnd(), id) : dialog.Hwnd());
        EXPECT_EQ(colors.brush, win::ToCOLORREF(kFace)) << id;
        EXPECT_EQ(colors.background, win::ToCOLORREF(kFace)) << id;
    }
    for (int id : {IDC_PANE_COUNT, IDC_SAMPLE}) {
        const HWND box = GetDlgItem(dialog.Hwnd(), id);
        EXPECT_NE(AskControlColors(dialog.Hwnd(), WM_CTLCOLORLISTBOX, box).brush, win::ToCOLORREF(kFace));
        COMBOBOXINFO info{sizeof(info)};
        ASSERT_TRUE(GetComboBoxInfo(box, &info));
        EXPECT_NE(AskControlColors(dialog.Hwnd(), WM_CTLCOLORLISTBOX, info.hwndList).brush,
                  win::ToCOLORREF(kFace));
    }
}

} // namespace
