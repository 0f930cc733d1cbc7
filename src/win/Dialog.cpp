#include "Dialog.h"

#include "Resources.h"
#include "StartupProfile.h"
#include "WindowRects.h"

#include <algorithm>
#include <cstring>

namespace win {
namespace {

// The object's own window procedure answers first; the dialog manager gets the rest.
INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// Where a span of `size` centred on `centre` starts, moved inside [low, high) as far as it fits.
int CentredStart(int centre, int size, LONG low, LONG high) {
    return std::max(static_cast<int>(low), std::min(centre - size / 2, static_cast<int>(high) - size));
}

// Centres the window over another, kept inside the work area of that window's monitor.
void CenterOver(HWND window, HWND over) {
    RECT self, target;
    GetWindowRect(window, &self);
    GetWindowRect(over, &target);
    MONITORINFO monitor{sizeof(monitor)};
    GetMonitorInfoW(MonitorFromWindow(over, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int x =
        CentredStart((target.left + target.right) / 2, self.right - self.left, work.left, work.right);
    const int y =
        CentredStart((target.top + target.bottom) / 2, self.bottom - self.top, work.top, work.bottom);
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A copy of the dialog template with more extended styles; empty when there is no such template.
std::vector<BYTE> TemplateWithExStyle(HINSTANCE instance, UINT id, DWORD exStyle) {
    const ResourceBytes resource = FindResourceBytes(instance, id, RT_DIALOG);
    constexpr size_t kExtendedHeaderEnd = 12; // version, signature, help id, extended style
    if (resource.size < kExtendedHeaderEnd)
        return {};
    std::vector<BYTE> copy(resource.data, resource.data + resource.size);
    // An extended template (DLGTEMPLATEEX) has the extended style at byte 8, a plain one at byte 4.
    WORD signature;
    std::memcpy(&signature, copy.data() + 2, sizeof(signature));
    BYTE* const style = copy.data() + (signature == 0xFFFF ? 8 : 4);
    DWORD extended;
    std::memcpy(&extended, style, sizeof(extended));
    extended |= exStyle;
    std::memcpy(style, &extended, sizeof(extended));
    return copy;
}

} // namespace

Dialog::Dialog(UINT id) : templateId(id) {}

bool Dialog::CreateFromTemplate(HWND parent) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!creationExStyle) {
        CreationHook hook(*this);
        return TakeCreated(
            CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), parent, NoDialogProc, 0));
    }
    const std::vector<BYTE> dialogTemplate = TemplateWithExStyle(instance, templateId, creationExStyle);
    if (dialogTemplate.empty())
        return false;
    CreationHook hook(*this);
    return TakeCreated(CreateDialogIndirectParamW(
        instance, reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), parent, NoDialogProc, 0));
}

bool Dialog::CreateModeless(HWND parent) {
    return CreateFromTemplate(parent);
}

INT_PTR Dialog::RunModal(HWND owner) {
    if (!CreateFromTemplate(owner))
        return -1;
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner)
        EnableWindow(owner, FALSE);
    if (owner)
        CenterOver(Hwnd(), owner);
    ShowWindow(Hwnd(), SW_SHOW);

    inModalLoop = true;
    MSG msg;
    while (inModalLoop) {
        startup::MarkFirstIdle();
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Leave the quit for the outer loop that has to end too.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        lastMessage = msg;
        if (!PreTranslateChain(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        startup::MarkDispatched(msg);
    }
    inModalLoop = false;

    // Enable the owner before the dialog goes, or activation jumps to another program.
    if (disableOwner) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    // Hidden first, as the system's own dialogs are, so it is gone for the user at once.
    SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    // All its children with it, in one call.
    DestroyWindow(Hwnd());
    return modalResult;
}

bool Dialog::PreTranslateChain(MSG& msg) {
    if (TakesBeforeChildren(msg))
        return true;
    for (HWND window = msg.hwnd; window && window != Hwnd(); window = GetParent(window)) {
        if (Window* target = FromHandle(window); target && target->PreTranslateMessage(&msg))
            return true;
    }
    if (PreTranslateMessage(&msg))
        return true;
    return IsDialogMessageW(Hwnd(), &msg) != FALSE;
}

void Dialog::EndModal(INT_PTR result) {
    modalResult = result;
    inModalLoop = false;
    // A sent WM_CLOSE is handled inside GetMessage, which would otherwise wait for the next posted message.
    PostMessageW(Hwnd(), WM_NULL, 0, 0);
}

LRESULT Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        RememberTemplateLayout();
        DoDataExchange();
        return OnInitDialog();
    case WM_DPICHANGED: {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(Hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        OnDpiChanged(LOWORD(wParam));
        return 0;
    }
    case WM_CLOSE:
        EndModal(IDCANCEL);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
            EndModal(LOWORD(wParam));
            return 0;
        }
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

// Before the data exchange binds them, the template's controls are the children without an
// object: those the dialog made itself in WM_CREATE have one from their creation. The only walk
// over the children: under Wine each step is a round trip to the window system.
void Dialog::RememberTemplateLayout() {
    KeepDialogScalingToOurselves(Hwnd());
    templateDpi = dpi = WindowDpi(Hwnd());
    templateFont = reinterpret_cast<HFONT>(SendMessageW(Hwnd(), WM_GETFONT, 0, 0));
    templateControls.clear();
    childWindows.clear();
    for (HWND child = GetWindow(Hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        childWindows.push_back(child);
        if (FromHandle(child))
            continue;
        templateControls.push_back({child, GetDlgCtrlID(child), RectInParent(child)});
    }
}

int Dialog::LowestChildBottom(HWND except) const {
    int lowest = 0;
    for (HWND child : childWindows)
        if (child != except && (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE))
            lowest = std::max(lowest, static_cast<int>(RectInParent(child).bottom));
    return lowest;
}

// From the controls just listed: GetDlgItem would list the children again, at a round trip to
// the window system each time under Wine.
void Dialog::BindControl(Window& control, int id) {
    const auto found = std::find_if(templateControls.begin(), templateControls.end(),
                                    [id](const TemplateControl& item) { return item.id == id; });
    control.Attach(found != templateControls.end() ? found->window : GetDlgItem(Hwnd(), id));
}

void Dialog::OnDpiChanged(int newDpi) {
    dpi = newDpi;
    HFONT font = templateFont;
    FontHandle nextFont;
    LOGFONTW logFont;
    if (templateFont && newDpi != templateDpi && GetObjectW(templateFont, sizeof(logFont), &logFont)) {
        logFont.lfHeight = RescaleDpi(logFont.lfHeight, templateDpi, newDpi);
        nextFont.reset(CreateFontIndirectW(&logFont));
        if (nextFont)
            font = nextFont.get();
    }
    for (const TemplateControl& control : templateControls) {
        MoveWindowTo(control.window, RescaleDpi(ToPixelRect(control.rect), templateDpi, newDpi));
        if (font)
            SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    // The controls hold the new font now; the one before it can go.
    scaledFont = std::move(nextFont);
    Invalidate();
}

} // namespace win
