#include "TintraDlg.h"

#include "../../res/resource.h"
#include "../ui/KeyColor.h"
#include "../ui/Theme.h"
#include "../win/App.h"
#include "Language.h"
#include "PrivateMessages.h"

namespace {

constexpr wchar_t kSettingsSection[] = L"Settings";
constexpr int kChannelMax = 255;

// The system cursors a picking mode replaces, in the order they are saved and restored.
constexpr int kSystemCursorIds[] = {32650, 32512, 32515, 32649, 32513, 32646, 32643, 32645, 32642, 32644, 32516};

constexpr int kSliderIds[] = {IDC_SLIDER_RED, IDC_SLIDER_GREEN, IDC_SLIDER_BLUE};
constexpr int kFirstStartPaneCount = 4;
constexpr RECT kColorDisplayRect{8, 10, 188, 140};
constexpr POINT kInfoPanelPosition{8, 145};

struct LockButtonLayout {
    int id;
    int left;
    int hoverImage; // 0: the normal picture
    int downImage;
};
// Each shows the grey padlock when up, also under the mouse, and its channel's padlock when down.
constexpr LockButtonLayout kLockButtons[] = {
    {IDC_LOCK_RED, 202, IDB_LOCK_GREY, IDB_LOCK_RED},
    {IDC_LOCK_GREEN, 229, 0, IDB_LOCK_GREEN},
    {IDC_LOCK_BLUE, 256, 0, IDB_LOCK_BLUE},
};
constexpr int kLockTop = 8;
constexpr int kLockWidth = 9;
constexpr int kLockHeight = 11;
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
    case WM_PANE_SELECTED:
        OnPaneSelected();
        return 0;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

LRESULT CTintraDlg::OnCreate(UINT message, WPARAM wParam, LPARAM lParam) {
    if (DefaultProc(message, wParam, lParam) == -1)
        return -1;
    toolTip.Create(Hwnd(), TTS_ALWAYSTIP);
    colorDisplay.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP, kColorDisplayRect, Hwnd(),
                        IDC_COLOR_DISPLAY);
    CreateLockButtons();
    if (infoPanel.CreateModeless(Hwnd())) {
        RECT panel;
        GetClientRect(infoPanel.Hwnd(), &panel);
        MoveWindow(infoPanel.Hwnd(), kInfoPanelPosition.x, kInfoPanelPosition.y, panel.right, panel.bottom, TRUE);
        ShowWindow(infoPanel.Hwnd(), SW_SHOW);
    }
    return 0;
}

void CTintraDlg::CreateLockButtons() {
    const wchar_t* tips[] = {Localized(L"Lock red", L"Закрепить красный"),
                             Localized(L"Lock green", L"Закрепить зеленый"),
                             Localized(L"Lock blue", L"Закрепить синий")};
    for (int i = 0; i < kChannels; ++i) {
        const LockButtonLayout& layout = kLockButtons[i];
        UButton& button = lockButtons[static_cast<size_t>(i)];
        const RECT rect{layout.left, kLockTop, layout.left + kLockWidth, kLockTop + kLockHeight};
        button.Create(nullptr, WS_CHILD | WS_VISIBLE, rect, Hwnd(), static_cast<UINT>(layout.id), 1);
        button.SetImagesFromResources(GetModuleHandleW(nullptr), layout.hoverImage, layout.downImage, 0,
                                      IDB_LOCK_GREY);
        button.ReplaceColor(kLockKeyColor, backgroundColor);
        toolTip.AddTool(button.Hwnd(), tips[i]);
    }
}

void CTintraDlg::DoDataExchange() {
    for (size_t i = 0; i < kChannels; ++i) {
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
    for (size_t i = 0; i < kChannels; ++i) {
        toolTip.AddTool(sliders[i].Hwnd(), sliderTips[i]);
        sliders[i].SetRange(0, kChannelMax, false);
    }
    // A first start: black everywhere, four panes, COLREF marked.
    SetCurrentColor(0);
    colorDisplay.SetPaneCount(kFirstStartPaneCount);
    for (int pane = 0; pane < colorDisplay.GetPaneCount(); ++pane)
        colorDisplay.SetPaneColor(pane, ToArgb(0));
    infoPanel.SetNotation(static_cast<int>(ColorNotation::Colref));
    ApplyTheme(oldBackground);
    colorDisplay.Redraw();
    for (size_t i = 0; i < kChannels; ++i)
        labels[i].SetText(labelTexts[i]);
    SetFocus(Hwnd());
    return TRUE;
}

void CTintraDlg::ApplyTheme(ColorRef oldBackground) {
    const ThemeColors theme = LookupTheme(colorTheme);
    backgroundColor = theme.backgroundColor;
    panelColor = theme.panelColor;
    for (UButton& button : lockButtons)
        button.ReplaceColor(oldBackground, backgroundColor);
    backgroundBrush.reset(CreateSolidBrush(backgroundColor));
    infoPanel.SetBackColor(panelColor);
}

void CTintraDlg::SetCurrentColor(ColorRef color) {
    colorDisplay.CancelZoom();
    colorDisplay.SetPaneColor(colorDisplay.GetActivePane(), ToArgb(color));
    for (UButton& button : lockButtons)
        button.SetDown(0);
    const int channels[] = {RedOf(color), GreenOf(color), BlueOf(color)};
    for (size_t i = 0; i < kChannels; ++i) {
        sliders[i].SetPos(channels[i]);
        lastSliderValues[i] = channels[i];
    }
    infoPanel.SetColor(color);
}

void CTintraDlg::OnPaneSelected() { SetCurrentColor(ToColorRef(colorDisplay.GetPaneColor(colorDisplay.GetActivePane()))); }

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
