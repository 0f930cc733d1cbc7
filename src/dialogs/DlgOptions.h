#pragma once
#include "../../res/resource.h"
#include "../logic/OptionChoices.h"
#include "../win/Controls.h"
#include "ThemedDialog.h"

#include <array>

struct OptionCaption {
    int id; // 0: the dialog's title
    const wchar_t* english;
    const wchar_t* russian;
};

// The texts of the dialog and its controls in both languages.
inline constexpr OptionCaption kOptionCaptions[] = {
    {0, L"Options", L"Опции Программы"},
    {IDC_DISPLAY_GROUP, L"Color Display", L"Цветовой Дисплей"},
    {IDC_PANE_COUNT_LABEL, L"Number of panes:", L"Кол-во панелей:"},
    {IDC_ZOOM_GROUP, L"Zoomed Picker", L"Приближенный Цветоопределитель"},
    {IDC_GRID, L"Apply grid to zoomed image", L"Применять пиксельную решетку"},
    {IDC_AUTOSTART_GROUP, L"Auto-Start", L"Авто-запуск"},
    {IDC_AUTOSTART, L"Run Tintra when Windows starts", L"Запускать Tintra при загрузке Windows"},
    {IDC_LANGUAGE_GROUP, L"Language", L"Язык"},
    {IDC_ENGLISH, L"English", L"Английский"},
    {IDC_RUSSIAN, L"Russian", L"Русский"},
    {IDC_THEME_GROUP, L"Color Theme", L"Вид Программы"},
    {IDOK, L"Apply", L"Применить"},
    {IDCANCEL, L"Cancel", L"Отменить"},
};

// The options dialog. It edits its own copy of the values, which the main window takes back
// only after a confirmed run; the language alone changes for the whole program at the click.
class CDlgOptions : public ThemedDialog {
  public:
    CDlgOptions();

    void SetValues(const OptionValues& values) { options = values; }
    const OptionValues& Values() const { return options; }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange() override;
    BOOL OnInitDialog() override;

  private:
    static constexpr int kThemeButtonCount = 6;

    LRESULT OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int notification);
    void SetCaptions() const;
    bool IsPaneCountBox(HWND control) const;

    OptionValues options;
    win::ComboBox paneCountBox;
    win::Button gridBox;
    win::Button autostartBox;
    std::array<win::Button, kThemeButtonCount> themeButtons;
    win::Button englishButton;
    win::Button russianButton;
};
