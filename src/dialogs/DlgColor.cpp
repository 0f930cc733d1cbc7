#include "DlgColor.h"

#include "../../res/resource.h"
#include "../logic/Language.h"

CDlgColor::CDlgColor(HINSTANCE pictures) : ThemedDialog(IDD_COLOR), palette(pictures) {}

void CDlgColor::DoDataExchange() {
    BindControl(palette, IDC_PALETTE);
    BindControl(moreColorsButton, IDC_MORE_COLORS);
    BindControl(cancelButton, IDCANCEL);
}

// The caption reads "Color Dialog" in both languages.
BOOL CDlgColor::OnInitDialog() {
    cancelButton.SetText(Localized(L"Cancel", L"Отменить"));
    moreColorsButton.SetText(Localized(L"More colors...", L"Больше цветов..."));
    // Its window text names the bitmap it shows.
    palette.SetAccessibleName(Localized(L"Palette", L"Палитра"));
    return TRUE;
}

LRESULT CDlgColor::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (win::IsCtlColorMessage(message))
        return BackgroundBrush();
    if (message == WM_COMMAND) {
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    }
    return ThemedDialog::HandleMessage(message, wParam, lParam);
}

// There is no OK button: only a palette click that read its colour ends as a choice.
void CDlgColor::OnCommand(int id, int notification) {
    if (id == IDC_PALETTE && notification == STN_CLICKED) {
        EndModal(palette.HasPick() ? IDOK : IDCANCEL);
    } else if (id == IDC_MORE_COLORS && notification == BN_CLICKED) {
        moreColors = true;
        EndModal(IDCANCEL);
    } else if (id == IDCANCEL) {
        EndModal(IDCANCEL);
    }
}
