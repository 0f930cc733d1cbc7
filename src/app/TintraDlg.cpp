#include "TintraDlg.h"

#include "../../res/resource.h"
#include "../ui/Theme.h"
#include "../win/App.h"
#include "Language.h"

namespace {

constexpr wchar_t kSettingsSection[] = L"Settings";
constexpr int kChannelMax = 255;

// The system cursors a picking mode replaces, in the order they are saved and restored.
constexpr int kSystemCursorIds[] = {32650, 32512, 32515, 32649, 32513, 32646, 32643, 32645, 32642, 32644, 32516};

constexpr int kSliderIds[] = {IDC_SLIDER_RED, IDC_SLIDER_GREEN, IDC_SLIDER_BLUE};
constexpr int kLabelIds[] = {IDC_LABEL_RED, IDC_LABEL_GREEN, IDC_LABEL_BLUE};

win::CursorHandle LoadCursorResource(int id) {
    return win::CursorHandle(static_cast<HCURSOR>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
}

} // namespace

CTintraDlg::CTintraDlg() : Dialog(IDD_TINTRA) {
    icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TINTRA));
    SetRussian(win::App::Current().GetProfileInt(kSettingsSection, L"language", 0) != 0);
    const ThemeColors theme = LookupTheme(kDefaultTheme);
    backgroundColor = theme.backgroundColor;
    panelColor = theme.panelColor;
    for (int i = 0; i < kSystemCursorCount; ++i)
        savedSystemCursors[i].reset(CopyIcon(LoadCursorW(nullptr, MAKEINTRESOURCEW(kSystemCursorIds[i]))));
    eyedropperCursor = LoadCursorResource(IDC_EYEDROPPER);
    crosshairCursor = LoadCursorResource(IDC_CROSSHAIR);
    colorTheme = kDefaultTheme;
    paneCount = 4;
    gridFlag = true;
    autostartFlag = false;
}

LRESULT CTintraDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (win::IsCtlColorMessage(message))
        return OnCtlColor(reinterpret_cast<HDC>(wParam));
    switch (message) {
    case WM_CREATE:
        return OnCreate(message, wParam, lParam);
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_CLOSE:
        OnClose();
        break;
    case WM_HELP:
        return FALSE;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

LRESULT CTintraDlg::OnCreate(UINT message, WPARAM wParam, LPARAM lParam) {
    if (DefaultProc(message, wParam, lParam) == -1)
        return -1;
    toolTip.Create(Hwnd(), TTS_ALWAYSTIP);
    return 0;
}

void CTintraDlg::DoDataExchange() {
    for (int i = 0; i < 3; ++i) {
        BindControl(sliders[i], kSliderIds[i]);
        BindControl(labels[i], kLabelIds[i]);
    }
}

BOOL CTintraDlg::OnInitDialog() {
    const wchar_t* labelTexts[] = {Localized(L"R", L"К"), Localized(L"G", L"З"), Localized(L"B", L"С")};
    const wchar_t* sliderTips[] = {Localized(L"Red value", L"Насыщенность красного"),
                                   Localized(L"Green value", L"Насыщенность зеленого"),
                                   Localized(L"Blue value", L"Насыщенность синего")};
    SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    const ColorRef oldBackground = backgroundColor;
    for (int i = 0; i < 3; ++i) {
        toolTip.AddTool(sliders[i].Hwnd(), sliderTips[i]);
        sliders[i].SetRange(0, kChannelMax, false);
    }
    SetCurrentColor(0);
    ApplyTheme(oldBackground);
    for (int i = 0; i < 3; ++i)
        labels[i].SetText(labelTexts[i]);
    SetFocus(Hwnd());
    return TRUE;
}

void CTintraDlg::ApplyTheme(ColorRef) {
    const ThemeColors theme = LookupTheme(colorTheme);
    backgroundColor = theme.backgroundColor;
    panelColor = theme.panelColor;
    backgroundBrush.reset(CreateSolidBrush(backgroundColor));
}

void CTintraDlg::SetCurrentColor(ColorRef color) {
    const int channels[] = {RedOf(color), GreenOf(color), BlueOf(color)};
    for (int i = 0; i < 3; ++i) {
        sliders[i].SetPos(channels[i]);
        lastSliderValues[i] = channels[i];
    }
}

BOOL CTintraDlg::PreTranslateMessage(MSG* msg) {
    toolTip.RelayEvent(msg);
    // Every key-down stops here, so no key reaches the dialog's navigation: Tab does not
    // move, and Enter and Escape do not end the program.
    return msg->message == WM_KEYDOWN;
}

LRESULT CTintraDlg::OnCtlColor(HDC dc) const {
    SetBkColor(dc, backgroundColor);
    return reinterpret_cast<LRESULT>(backgroundBrush.get());
}

void CTintraDlg::OnPaint() {
    if (!IsIconic(Hwnd())) {
        DefaultProc(WM_PAINT, 0, 0);
        return;
    }
    win::PaintScope paint(Hwnd());
    SendMessageW(Hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.get()), 0);
    RECT client;
    GetClientRect(Hwnd(), &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(paint.get(), x, y, icon);
}

void CTintraDlg::OnClose() {
    pickingFlag = 0;
    SetPickerCursors(false);
    ReleaseCapture();
    zoomPickingFlag = 0;
    SetZoomCursors(false);
    ReleaseCapture();
}

void CTintraDlg::SetPickerCursors(bool on) { InstallSystemCursors(on ? eyedropperCursor.get() : nullptr); }

void CTintraDlg::SetZoomCursors(bool on) { InstallSystemCursors(on ? crosshairCursor.get() : nullptr); }

// Installs a fresh copy of the replacement (or, when null, of each saved cursor) for every
// system cursor id. SetSystemCursor takes over the copy; the saved ones are never handed out.
void CTintraDlg::InstallSystemCursors(HCURSOR replacement) {
    for (int i = 0; i < kSystemCursorCount; ++i) {
        const HCURSOR source = replacement ? replacement : savedSystemCursors[i].get();
        if (!source)
            continue;
        lastCursorCopy = CopyIcon(source);
        if (lastCursorCopy && !SetSystemCursor(lastCursorCopy, static_cast<DWORD>(kSystemCursorIds[i])))
            DestroyCursor(lastCursorCopy);
    }
}
