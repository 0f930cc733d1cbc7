#include "TintraDlg.h"

#include "../../res/resource.h"
#include "../display/ScreenCopy.h"
#include "../logic/Alignment.h"
#include "../logic/color/ClipboardText.h"
#include "../logic/KeyColor.h"
#include "../logic/Language.h"
#include "../logic/MainLayout.h"
#include "../logic/color/PastedColor.h"
#include "../logic/PickingKeys.h"
#include "../logic/SettingsTable.h"
#include "../logic/Theme.h"
#include "../win/App.h"
#include "../win/Colors.h"
#include "../win/LateBound.h"
#include "../win/PrivateMessages.h"
#include "../win/StartupProfile.h"
#include "../win/SystemDpi.h"
#include "../win/WindowRects.h"
#include "CopyAsMenu.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr int kSliderIds[] = {IDC_SLIDER_RED, IDC_SLIDER_GREEN, IDC_SLIDER_BLUE};

struct LockButtonPictures {
    int id;
    int hoverPicture; // 0: the normal picture
    int pressedPicture;
};
// Each shows the grey padlock when up, also under the mouse, and its channel's padlock when down.
constexpr LockButtonPictures kLockButtons[] = {
    {IDC_LOCK_RED, IDB_LOCK_GREY, IDB_LOCK_RED},
    {IDC_LOCK_GREEN, 0, IDB_LOCK_GREEN},
    {IDC_LOCK_BLUE, 0, IDB_LOCK_BLUE},
};
// Another program may hold the clipboard for a moment; try for about a tenth of a second.
constexpr int kClipboardAttempts = 10;
constexpr DWORD kClipboardRetryMs = 10;
constexpr int kLabelIds[] = {IDC_LABEL_RED, IDC_LABEL_GREEN, IDC_LABEL_BLUE};
// How far a lock's centre may lie from its slider's before the lock is centred over it.
constexpr int kLockCentreTolerance = 2;

// The tool panel spans the bottom of the main window's client area.
PixelRect ToolPanelPlace(HWND mainWindow, const MainLayout& layout) {
    const PixelRect client = win::ClientRect(mainWindow);
    return PixelRect{0, client.bottom - layout.toolPanelHeight, client.right, client.bottom};
}

bool OpenClipboardPatiently(HWND owner) {
    bool opened = OpenClipboard(owner);
    for (int attempt = 1; !opened && attempt < kClipboardAttempts; ++attempt) {
        Sleep(kClipboardRetryMs);
        opened = OpenClipboard(owner);
    }
    return opened;
}

// The text ends at its first zero or at the end of its block, whichever comes first: the
// program that put it there may have left no zero at all.
template <typename Char> std::optional<ColorRef> ColorInTextBlock(HANDLE block, ColorNotation marked) {
    const auto* text = static_cast<const Char*>(GlobalLock(block));
    if (!text)
        return std::nullopt;
    const size_t capacity = GlobalSize(block) / sizeof(Char);
    const size_t length = static_cast<size_t>(std::find(text, text + capacity, Char{}) - text);
    const std::optional<ColorRef> color = PastedColor(std::basic_string_view<Char>(text, length), marked);
    GlobalUnlock(block);
    return color;
}

// Unicode text first: the system makes it from 8-bit text too, but not always the other way.
std::optional<ColorRef> ColorOnClipboard(HWND owner, ColorNotation marked) {
    if (!OpenClipboardPatiently(owner))
        return std::nullopt;
    std::optional<ColorRef> color;
    if (HANDLE unicode = GetClipboardData(CF_UNICODETEXT))
        color = ColorInTextBlock<wchar_t>(unicode, marked);
    else if (HANDLE narrow = GetClipboardData(CF_TEXT))
        color = ColorInTextBlock<char>(narrow, marked);
    CloseClipboard();
    return color;
}

} // namespace

CTintraDlg::CTintraDlg()
    : Dialog(IDD_TINTRA), icon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TINTRA))) {
    ReadSettings();
    const ThemeColors theme = LookupTheme(kDefaultTheme);
    backgroundColor = theme.backgroundColor;
    panelColor = theme.panelColor;
}

LRESULT CTintraDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (win::IsCtlColorMessage(message))
        return OnCtlColor(reinterpret_cast<HDC>(wParam));
    switch (message) {
    case WM_CREATE:
        return OnCreate(message, wParam, lParam);
    case WM_CLOSE:
        OnClose();
        break;
    case WM_ENDSESSION:
        // Windows ends the program without WM_CLOSE at logoff, shutdown or restart.
        if (wParam)
            OnClose();
        return 0;
    case WM_HELP:
        return FALSE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // a quick second Shift+click while collecting colours
        if (picker.OnClick(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, (wParam & MK_SHIFT) != 0)) {
            const DWORD at = GetMessagePos();
            PassOverRestOfClick(MSG{Hwnd(), message, wParam, lParam, static_cast<DWORD>(GetMessageTime()),
                                    POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)}});
        }
        break;
    case WM_CONTEXTMENU:
        if (OnContextMenu(reinterpret_cast<HWND>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
            return 0;
        break;
    case WM_CAPTURECHANGED:
        picker.OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case WM_HOTKEY:
        if (wParam == kPickerHotkeyId)
            OnHotkey();
        return 0;
    case WM_COLOR_PICKED:
        if (copyOnPickFlag)
            PutOnClipboard(ClipboardText(infoPanel.GetNotation(), static_cast<ColorRef>(wParam)));
        return 0;
    case WM_PANE_SELECTED:
        OnPaneSelected();
        return 0;
    case WM_PANE_COLLECTED:
        // The sliders go on with the pane now active: they must not write over the one collected.
        ShowAsCurrent(ToColorRef(colorDisplay.GetPaneColor(colorDisplay.GetActivePane())));
        return 0;
    case WM_PANE_KEYDOWN:
        RunKey(static_cast<unsigned>(wParam & kVirtualKeyMask), (wParam & kRepeatedKey) != 0);
        return 0;
    case WM_NOTATION_MARKED:
        colorDisplay.SetNotation(infoPanel.GetNotation());
        return 0;
    case WM_PANEL_COMMAND:
        OnPanelCommand(static_cast<int>(wParam));
        return 0;
    case WM_SLIDER_MOVED:
        OnSliderMoved(static_cast<int>(wParam));
        return 0;
    case WM_VSCROLL:
        // The trackbar's report of each move of its thumb, also those that come with no press or
        // drag step of the slider's own: the held press on the channel pages on, the wheel.
        if (const HWND slider = reinterpret_cast<HWND>(lParam); IsSlider(slider)) {
            OnSliderMoved(GetDlgCtrlID(slider));
            return 0;
        }
        break;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

// Given once the frame exists, each icon would have the window system convert both again for the
// frame (under Wine, over half a millisecond each time).
void CTintraDlg::OnHandleMade() {
    // Small first: given only a big icon, the window system makes itself a small copy of it.
    SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

LRESULT CTintraDlg::OnCreate(UINT message, WPARAM wParam, LPARAM lParam) {
    if (DefaultProc(message, wParam, lParam) == -1)
        return -1;
    const MainLayout layout = MainLayoutAt(win::WindowDpi(Hwnd()));
    win::startup::Mark("main window created");
    toolTip.Create(TTS_ALWAYSTIP);
    colorDisplay.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                        win::ToRECT(layout.colorDisplay), Hwnd(), IDC_COLOR_DISPLAY);
    win::startup::Mark("colour display");
    CreateLockButtons(layout);
    win::startup::Mark("lock buttons");
    if (infoPanel.CreateModeless(Hwnd())) {
        PlaceInfoPanel(layout);
        ShowWindow(infoPanel.Hwnd(), SW_SHOW);
    }
    win::startup::Mark("information panel");
    toolPanel.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                     win::ToRECT(ToolPanelPlace(Hwnd(), layout)), Hwnd(), IDC_TOOL_PANEL);
    win::startup::Mark("tool panel");
    return 0;
}

void CTintraDlg::PlaceInfoPanel(const MainLayout& layout) {
    const PixelRect panel = win::ClientRect(infoPanel.Hwnd());
    MoveWindow(infoPanel.Hwnd(), layout.infoLeft, layout.infoTop, panel.Width(), panel.Height(), TRUE);
}

// Moved to a monitor of another scale: the window has taken the suggested rectangle and its
// template controls their new places; the children placed in pixels follow.
void CTintraDlg::OnDpiChanged(int newDpi) {
    Dialog::OnDpiChanged(newDpi);
    const MainLayout layout = MainLayoutAt(newDpi);
    colorDisplay.SetDpi(newDpi);
    win::MoveWindowTo(colorDisplay.Hwnd(), layout.colorDisplay);
    PlaceLocks(layout);
    infoPanel.SetDpi(newDpi);
    PlaceInfoPanel(layout);
    toolPanel.SetDpi(newDpi);
    MakeRoomForToolPanel();
}

void CTintraDlg::CreateLockButtons(const MainLayout& layout) {
    const wchar_t* tips[] = {Localized(L"Lock red", L"Закрепить красный"),
                             Localized(L"Lock green", L"Закрепить зеленый"),
                             Localized(L"Lock blue", L"Закрепить синий")};
    for (int i = 0; i < kChannels; ++i) {
        const LockButtonPictures& pictures = kLockButtons[i];
        UButton& button = lockButtons[static_cast<size_t>(i)];
        // The caption is not drawn: it names the lock for assistive technology.
        button.Create(tips[i], WS_CHILD | WS_VISIBLE, win::ToRECT(layout.locks[static_cast<size_t>(i)]),
                      Hwnd(), static_cast<UINT>(pictures.id), true);
        button.SetImagesFromResources(GetModuleHandleW(nullptr), pictures.hoverPicture,
                                      pictures.pressedPicture, IDB_LOCK_GREY);
        button.ReplaceColor(kLockKeyColor, backgroundColor);
        toolTip.AddTool(button.Hwnd(), tips[i]);
    }
}

// The locks are placed in pixels, their sliders in dialog units, which follow the font: a lock
// keeps its place in the layout while it stands over its slider, its centre within 2 pixels of
// the slider's, and is centred over the slider otherwise, at the layout's height and size.
void CTintraDlg::PlaceLocks(const MainLayout& layout) {
    for (size_t i = 0; i < kChannels; ++i) {
        const PixelRect slider = win::ToPixelRect(win::RectInParent(sliders[i].Hwnd()));
        const PixelRect& place = layout.locks[i];
        const int left =
            KeptOrCentredStart(place.left, place.Width(), slider.left, slider.Width(), kLockCentreTolerance);
        win::MoveWindowTo(lockButtons[i].Hwnd(),
                          PixelRect{left, place.top, left + place.Width(), place.bottom});
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
    const ColorRef oldBackground = backgroundColor;
    for (size_t i = 0; i < kChannels; ++i) {
        toolTip.AddTool(sliders[i].Hwnd(), sliderTips[i]);
        // A trackbar shows no text of its own: this one names it for assistive technology.
        sliders[i].SetText(sliderTips[i]);
        sliders[i].SetRange(kChannelMin, kChannelMax, false);
    }
    LoadSettings();
    pickerHotkey.Take(Hwnd(), hotkey);
    ApplyTheme(oldBackground);
    colorDisplay.Redraw();
    for (size_t i = 0; i < kChannels; ++i)
        labels[i].SetText(labelTexts[i]);
    PlaceLocks(MainLayoutAt(Dpi()));
    MakeRoomForToolPanel();
    SetFocus(Hwnd());
    win::startup::Mark("dialog initialised");
    return TRUE;
}

// The window and its labels are sized in dialog units, the panels inside it in pixels: with a
// font smaller than the designer's, the labels and the information panel reach the tool panel,
// which would cover them and take their clicks. The window then grows to hold them all.
void CTintraDlg::MakeRoomForToolPanel() {
    const MainLayout layout = MainLayoutAt(Dpi());
    const int toolPanelTop = LowestChildBottom(toolPanel.Hwnd()) + layout.stackGap;
    win::GrowClient(Hwnd(), 0, toolPanelTop + layout.toolPanelHeight);
    win::MoveWindowTo(toolPanel.Hwnd(), ToolPanelPlace(Hwnd(), layout));
}

void CTintraDlg::ApplyTheme(ColorRef oldBackground) {
    const ThemeColors theme = LookupTheme(colorTheme);
    backgroundColor = theme.backgroundColor;
    panelColor = theme.panelColor;
    for (UButton& button : lockButtons)
        button.ReplaceColor(oldBackground, backgroundColor);
    backgroundBrush.reset(CreateSolidBrush(win::ToCOLORREF(backgroundColor)));
    infoPanel.SetBackgroundColor(panelColor);
    toolPanel.SetBackgroundColor(ToArgb(panelColor));
}

void CTintraDlg::SetCurrentColor(ColorRef color) {
    picker.EndZoom();
    colorDisplay.SetPaneColor(colorDisplay.GetActivePane(), ToArgb(color));
    ShowAsCurrent(color);
}

void CTintraDlg::ShowAsCurrent(ColorRef color) {
    for (UButton& button : lockButtons)
        button.SetDown(0);
    const int channels[] = {RedOf(color), GreenOf(color), BlueOf(color)};
    for (size_t i = 0; i < kChannels; ++i) {
        sliders[i].SetPos(channels[i]);
        lastSliderValues[i] = channels[i];
    }
    infoPanel.SetColor(color);
}

void CTintraDlg::ApplySliders() {
    const Channels positions = SliderPositions();
    const ColorRef color = MakeColorRef(positions[0], positions[1], positions[2]);
    colorDisplay.SetPaneColor(colorDisplay.GetActivePane(), ToArgb(color));
    infoPanel.SetColor(color);
}

bool CTintraDlg::IsSlider(HWND window) const {
    for (const CSlider& slider : sliders)
        if (window && slider.Hwnd() == window)
            return true;
    return false;
}

Channels CTintraDlg::SliderPositions() const {
    Channels positions;
    for (size_t i = 0; i < kChannels; ++i)
        positions[i] = sliders[i].GetPos() & 0xFF;
    return positions;
}

void CTintraDlg::OnSliderMoved(int sliderId) {
    LockStates locked;
    int moved = -1;
    for (size_t i = 0; i < kChannels; ++i) {
        locked[i] = lockButtons[i].IsDown() != 0;
        if (kSliderIds[i] == sliderId)
            moved = static_cast<int>(i);
    }
    const Channels positions = SliderPositions();
    // A key-up, or a press that moved no thumb: the active pane keeps its colour.
    if (positions == lastSliderValues)
        return;
    const Channels adjusted = ApplyLocks(positions, lastSliderValues, locked, moved);
    for (size_t i = 0; i < kChannels; ++i)
        if (adjusted[i] != positions[i])
            sliders[i].SetPos(adjusted[i]);
    lastSliderValues = SliderPositions();
    ApplySliders();
}

UButton& CTintraDlg::PanelButton(int id) {
    return *toolPanel.Button(id);
}

void CTintraDlg::OnPanelCommand(int command) {
    switch (command) {
    case kCommandColorDialog:
        RunColorDialog();
        break;
    case kCommandOptions:
        RunOptionsDialog();
        break;
    case kCommandAbout:
        RunAboutDialog();
        break;
    case kCommandPicker:
        picker.OnPickerCommand();
        break;
    case kCommandZoomPicker:
        picker.OnZoomPickerCommand();
        break;
    case kCommandCopy:
        // Shift with any copy, key or click, gives the form for code. The key state is that of
        // the input that posted the command: a posted message comes before later input.
        CopyToClipboard(GetKeyState(VK_SHIFT) < 0 ? CopyForm::Code : CopyForm::Plain);
        break;
    case kCommandTopmost:
        ApplyTopmost();
        break;
    case kCommandHelp:
        OpenHelp();
        break;
    }
}

void CTintraDlg::RunKey(unsigned virtualKey, bool repeated) {
    // The key state is that of the key-down being handled, also for one the display posted on.
    const KeyCommand command = CommandForKey(virtualKey, GetKeyState(VK_CONTROL) < 0);
    if (repeated && !RunsOnRepeat(command))
        return;
    switch (command.action) {
    case KeyAction::SetNotation:
        infoPanel.SetNotation(command.argument);
        colorDisplay.SetNotation(infoPanel.GetNotation());
        break;
    case KeyAction::FlipLock: {
        UButton& lock = lockButtons[static_cast<size_t>(command.argument)];
        lock.SetDown(lock.IsDown() ? 0 : 1);
        break;
    }
    case KeyAction::CancelPicking:
        picker.Cancel();
        break;
    case KeyAction::PanelCommand:
        toolPanel.Press(command.argument);
        break;
    case KeyAction::Paste:
        PasteFromClipboard();
        break;
    case KeyAction::None:
        break;
    }
}

void CTintraDlg::ApplyTopmost() {
    const PixelRect window = win::ScreenRect(Hwnd());
    const HWND band = PanelButton(IDC_BUTTON_TOPMOST).IsDown() ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(Hwnd(), band, window.left, window.top, 0, 0, SWP_NOSIZE);
}

// From any program: Tintra comes to the front, restored if minimised, and the colour picker
// starts, or ends, as P would. While one of Tintra's dialogs is open the main window is disabled,
// and the key does nothing.
void CTintraDlg::OnHotkey() {
    if (!IsWindowEnabled(Hwnd()))
        return;
    if (IsIconic(Hwnd()))
        ShowWindow(Hwnd(), SW_RESTORE);
    SetForegroundWindow(Hwnd());
    toolPanel.Press(kCommandPicker);
}

// With the mouse held, every move anywhere on the screen comes here; a report of a place the
// picking keys left a moment ago is the keys' place.
void CTintraDlg::OnMouseMove(POINT clientPoint) {
    if (!picker.IsWaiting())
        return;
    POINT screenPoint = clientPoint;
    ClientToScreen(Hwnd(), &screenPoint);
    picker.FollowPointer(win::ToPOINT(keyedPointer.Current(win::ToPixelPoint(screenPoint))));
}

// The help file is looked for beside the executable: a program started with Windows runs in
// another current directory. A missing file is passed over without a word.
void CTintraDlg::OpenHelp() const {
    std::wstring path = win::ExecutablePath();
    path.erase(path.find_last_of(L"\\/") + 1);
    path += IsRussian() ? L"HelpRu.chm" : L"HelpEn.chm";
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    SHELLEXECUTEINFOW execute{sizeof(execute)};
    execute.fMask = SEE_MASK_FLAG_NO_UI;
    execute.hwnd = Hwnd();
    execute.lpVerb = L"open";
    execute.lpFile = path.c_str();
    execute.nShow = SW_SHOW;
    // The shell's library is big; it is loaded on the first call for help, not at start-up.
    const auto shellExecute =
        win::LateBoundFunction<decltype(ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW");
    if (shellExecute)
        shellExecute(&execute);
}

void CTintraDlg::CopyToClipboard(CopyForm form) {
    PutOnClipboard(form == CopyForm::Code ? CodeText(infoPanel.GetNotation(), infoPanel.GetColor())
                                          : ClipboardText(infoPanel.GetNotation(), infoPanel.GetColor()));
}

// The memory is filled before the clipboard is emptied, so a failure never throws away
// what the user had on it.
void CTintraDlg::PutOnClipboard(const std::string& text) {
    if (text.empty())
        return;
    win::GlobalMemory block(GlobalAlloc(GMEM_ZEROINIT, text.size() + 1));
    if (!block)
        return;
    if (void* data = GlobalLock(block.get())) {
        memcpy(data, text.c_str(), text.size() + 1);
        GlobalUnlock(block.get());
    } else {
        return;
    }
    if (!OpenClipboardPatiently(Hwnd()))
        return;
    EmptyClipboard();
    if (SetClipboardData(CF_TEXT, block.get()))
        block.release(); // the clipboard owns it now
    CloseClipboard();
}

// A text that names no colour, no text, or a clipboard that stays held changes nothing; the
// standard error sound says so, without a box to close.
void CTintraDlg::PasteFromClipboard() {
    if (const std::optional<ColorRef> color = ColorOnClipboard(Hwnd(), infoPanel.GetNotation()))
        SetCurrentColor(*color);
    else
        MessageBeep(MB_ICONERROR);
}

// While a picker waits or the view is shown, a right click does what it always did: nothing. From
// the keyboard (no point) the menu opens at the active pane.
bool CTintraDlg::OnContextMenu(HWND source, POINT screen) {
    if (picker.IsWaiting() || colorDisplay.IsZoomMode())
        return false;
    const bool fromKeys = screen.x == -1 && screen.y == -1;
    ColorRef color;
    if (source == colorDisplay.Hwnd()) {
        POINT client = screen;
        ScreenToClient(source, &client);
        const int pane = fromKeys ? colorDisplay.GetActivePane() : colorDisplay.PaneAt(client);
        if (pane < 0)
            return true;
        if (fromKeys) {
            const RECT rect = colorDisplay.PaneRect(pane);
            screen = POINT{rect.left, rect.bottom};
            ClientToScreen(source, &screen);
        }
        color = ToColorRef(colorDisplay.GetPaneColor(pane));
    } else if (!fromKeys && WindowFromPoint(screen) == PanelButton(IDC_BUTTON_COPY).Hwnd()) {
        // Passed up from the button through the tool panel, which may name itself as the source.
        color = infoPanel.GetColor();
    } else {
        return false;
    }
    if (const std::optional<std::string> text = ChooseCopyText(Hwnd(), color, screen))
        PutOnClipboard(*text);
    return true;
}

void CTintraDlg::OnPaneSelected() {
    SetCurrentColor(ToColorRef(colorDisplay.GetPaneColor(colorDisplay.GetActivePane())));
}

namespace {

bool IsPress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_NCLBUTTONDOWN ||
           message == WM_NCLBUTTONDBLCLK;
}

bool IsRelease(UINT message) {
    return message == WM_LBUTTONUP || message == WM_NCLBUTTONUP;
}

} // namespace

void CTintraDlg::PassOverRestOfClick(const MSG& ending) {
    if (!IsPress(ending.message) && !IsRelease(ending.message))
        return;
    const ClickRemainder::DoubleClick limits{GetDoubleClickTime(), GetSystemMetrics(SM_CXDOUBLECLK),
                                             GetSystemMetrics(SM_CYDOUBLECLK)};
    clickRemainder.Arm(IsPress(ending.message) ? ClickRemainder::Input::Press
                                               : ClickRemainder::Input::Release,
                       ending.time, ending.pt.x, ending.pt.y, limits);
}

bool CTintraDlg::IsRestOfEndedClick(const MSG& msg) {
    if (!clickRemainder.IsArmed() || !(IsPress(msg.message) || IsRelease(msg.message)))
        return false;
    return clickRemainder.Swallows(IsPress(msg.message) ? ClickRemainder::Input::Press
                                                        : ClickRemainder::Input::Release,
                                   msg.time, msg.pt.x, msg.pt.y);
}

// While a picker waits or the magnified view is shown, the wheel and a few keys stand in for the
// mouse, whichever of the program's windows has the focus; other programs never see them taken.
bool CTintraDlg::TakesBeforeChildren(const MSG& msg) {
    const bool viewing = !picker.IsWaiting() && colorDisplay.IsZoomMode();
    if (!picker.IsWaiting() && !viewing) {
        keyedPointer.Forget();
        wheelSteps.Forget();
        return false;
    }
    // The keys act where the keys before them put the pointer, or where the mouse has put it since;
    // the wheel keeps the pixel under the place it was turned at.
    if (msg.message == WM_KEYDOWN)
        if (const std::optional<PixelPoint> pointer = PointerNow())
            return OnPickingKey(static_cast<unsigned>(msg.wParam), IsRepeatedKeyDown(msg.lParam),
                                win::ToPOINT(*pointer), viewing);
    if (msg.message != WM_MOUSEWHEEL)
        return false;
    if (const int steps = wheelSteps.Add(GET_WHEEL_DELTA_WPARAM(msg.wParam)))
        StepZoom(steps, msg.pt, viewing);
    return true;
}

std::optional<PixelPoint> CTintraDlg::PointerNow() {
    POINT reported;
    if (!GetCursorPos(&reported))
        return std::nullopt;
    return keyedPointer.Current(win::ToPixelPoint(reported));
}

// In the view about the pixel under the pointer; while a picker waits, the factor the loupe shows.
void CTintraDlg::StepZoom(int steps, POINT pointer, bool viewing) {
    if (!viewing) {
        picker.StepZoom(steps);
        return;
    }
    ScreenToClient(colorDisplay.Hwnd(), &pointer);
    colorDisplay.StepZoom(steps, pointer);
}

// In the view the arrows move by its blocks; Enter and Space off the view copy as before. A held
// arrow moves on, but a held Enter or Space takes one colour, not one for each repeat.
bool CTintraDlg::OnPickingKey(unsigned virtualKey, bool repeated, POINT pointer, bool viewing) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const PickingKey key = PickingKeyFor(virtualKey, shift);
    const HWND display = colorDisplay.Hwnd();
    switch (key.action) {
    case PickingAction::MovePointer: {
        const int step = viewing ? colorDisplay.ZoomBlock() : 1;
        const PixelPoint moved =
            MovedPointer(win::ToPixelPoint(pointer), key.dx * step, key.dy * step, VirtualScreen());
        SetCursorPos(moved.x, moved.y);
        keyedPointer.MovedTo(moved);
        if (!viewing)
            picker.FollowPointer(win::ToPOINT(moved));
        return true;
    }
    case PickingAction::Pick:
        if (repeated)
            return true;
        if (!viewing) {
            picker.OnPickKey(pointer, shift);
            return true;
        }
        if (WindowFromPoint(pointer) != display)
            return false;
        ScreenToClient(display, &pointer);
        colorDisplay.PickFromZoom(pointer, shift);
        return true;
    case PickingAction::StepZoom:
        StepZoom(key.dx, pointer, viewing);
        return true;
    case PickingAction::None:
        break;
    }
    return false;
}

BOOL CTintraDlg::PreTranslateMessage(MSG* msg) {
    if (IsRestOfEndedClick(*msg))
        return TRUE;
    toolTip.RelayEvent(msg);
    if (msg->message != WM_KEYDOWN)
        return FALSE;
    // Every key-down stops here, so no key reaches the dialog's navigation: Tab does not
    // move, the arrows do not move a slider, and Enter and Escape do not end the program.
    RunKey(static_cast<unsigned>(msg->wParam), IsRepeatedKeyDown(msg->lParam));
    return TRUE;
}

LRESULT CTintraDlg::OnCtlColor(HDC dc) const {
    SetBkColor(dc, win::ToCOLORREF(backgroundColor));
    return reinterpret_cast<LRESULT>(backgroundBrush.get());
}

// The picking modes end first, so the system cursors are back before anything is saved.
void CTintraDlg::OnClose() {
    win::startup::Mark("close requested");
    picker.EndModes();
    SaveSettings();
}
