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
    {IDC_PICKING_GROUP, L"Picking", L"Выбор цвета"},
    {IDC_LOUPE, L"Show a magnifier while picking", L"Показывать лупу при захвате цвета"},
    {IDC_COPY_ON_PICK, L"Copy each picked color", L"Копировать каждый взятый цвет"},
    {IDC_SAMPLE_LABEL, L"Sample:", L"Проба:"},
    {IDC_HOTKEY_LABEL, L"Hotkey:", L"Горячая клавиша:"},
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
// The main window lets its hotkey go while the dialog runs, so that a key held elsewhere is told
// from Tintra's own.
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
    // Says beside the hotkey control when another program holds the key it shows.
    void ShowWhetherKeyIsFree() const;
    // The box or its dropped list.
    static bool IsPartOf(const win::ComboBox& box, HWND control);

    OptionValues options;
    win::ComboBox paneCountBox;
    win::Button gridBox;
    win::Button autostartBox;
    win::Button loupeBox;
    win::Button copyOnPickBox;
    win::ComboBox sampleBox;
    win::HotkeyControl hotkeyControl;
    win::StaticText hotkeyNote;
    std::array<win::Button, kThemeButtonCount> themeButtons;
    win::Button englishButton;
    win::Button russianButton;
};
