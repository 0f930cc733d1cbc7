#include "Window.h"

#include "AccessibleObject.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace win {
namespace {

// The object of each bound window. Looked up for every message, so it is kept in the process
// rather than as a window property, which costs a round trip to the window system under Wine.
std::unordered_map<HWND, Window*>& BoundWindows() {
    static std::unordered_map<HWND, Window*> windows;
    return windows;
}

thread_local Window* pendingWindow = nullptr;
thread_local HHOOK activeHook = nullptr;

// Border, caption, menu or scroll bar: anything the default non-client painting draws.
bool HasNonClientArea(HWND window) {
    constexpr LONG_PTR kFrameStyles = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_VSCROLL | WS_HSCROLL;
    constexpr LONG_PTR kFrameExStyles =
        WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    return (style & kFrameStyles) || (GetWindowLongPtrW(window, GWL_EXSTYLE) & kFrameExStyles) ||
           (!(style & WS_CHILD) && GetMenu(window));
}

} // namespace

bool IsCtlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

void GrowClient(HWND window, int width, int height) {
    RECT client, frame;
    GetClientRect(window, &client);
    if (client.right >= width && client.bottom >= height)
        return;
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + std::max(0L, width - client.right),
                 frame.bottom - frame.top + std::max(0L, height - client.bottom),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT RectInParent(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

Window::~Window() {
    if (hwnd)
        DestroyWindow(hwnd);
}

Window* Window::FromHandle(HWND window) {
    const auto found = BoundWindows().find(window);
    return found != BoundWindows().end() ? found->second : nullptr;
}

BOOL Window::PreTranslateMessage(MSG*) {
    return FALSE;
}

// The plain class's procedure is ours: its windows bind themselves at their first message.
void Window::RegisterChildWindowClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc{sizeof(wc)};
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kChildWindowClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

bool Window::Create(LPCWSTR className, LPCWSTR text, DWORD style, const RECT& rect, HWND parent, UINT id,
                    DWORD exStyle) {
    const HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
    auto create = [&](LPCWSTR name) {
        return CreateWindowExW(exStyle, name, text ? text : L"", style, rect.left, rect.top,
                               rect.right - rect.left, rect.bottom - rect.top, parent, menu,
                               GetModuleHandleW(nullptr), nullptr);
    };
    if (className) {
        // Subclassed once made: a creation hook would cost round trips to the window system for
        // each window under Wine, and such a window's object needs none of its creation messages.
        const HWND created = create(className);
        if (Attach(created))
            return true;
        if (created)
            DestroyWindow(created);
        return false;
    }
    RegisterChildWindowClass();
    pendingWindow = this;
    const HWND created = create(kChildWindowClass);
    pendingWindow = nullptr;
    return TakeCreated(created);
}

bool Window::TakeCreated(HWND created) {
    if (created && created != hwnd) {
        DestroyWindow(created);
        return false;
    }
    return created != nullptr;
}

bool Window::Attach(HWND window) {
    if (!window || hwnd || FromHandle(window))
        return false;
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
    Bind(window, previous);
    return true;
}

void Window::Bind(HWND window, WNDPROC previous) {
    hwnd = window;
    baseProc = previous;
    BoundWindows()[window] = this;
}

// Only after the last message. The window keeps our procedure, which hands anything that still
// comes to DefWindowProc, not to the window's own procedure: putting that back would cost a round
// trip per window.
void Window::Unbind() {
    if (!hwnd)
        return;
    BoundWindows().erase(hwnd);
    hwnd = nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT && !accessibleName.empty())
        return OnGetObject(wParam, lParam);
    return DefaultProc(message, wParam, lParam);
}

AccessibleFacts Window::DescribeAccessible(long item) const {
    AccessibleFacts facts;
    if (item == 0)
        facts.name = accessibleName;
    return facts;
}

LRESULT Window::OnGetObject(WPARAM wParam, LPARAM lParam) {
    const LRESULT answer = AnswerGetObject(*this, wParam, lParam);
    return answer ? answer : DefaultProc(WM_GETOBJECT, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(baseProc, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = FromHandle(window);
    if (!self) {
        // A window of the plain class, at its first message: the object waiting for it takes it.
        if (!pendingWindow || pendingWindow->hwnd)
            return DefWindowProcW(window, message, wParam, lParam);
        self = std::exchange(pendingWindow, nullptr);
        self->Bind(window, DefWindowProcW);
    }
    // Nothing to paint there, and the default handling would still fetch a device context for it.
    if (message == WM_NCPAINT && !HasNonClientArea(window))
        return 0;
    if (message == WM_DRAWITEM && lParam) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (Window* control = item->CtlType != ODT_MENU ? FromHandle(item->hwndItem) : nullptr)
            return control->HandleMessage(kReflectedDrawItem, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // The last message: unbind so that nothing reaches the object once the window is gone.
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        self->Unbind();
        return result;
    }
    return self->HandleMessage(message, wParam, lParam);
}

CreationHook::CreationHook(Window& target)
    : hook(SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId())) {
    pendingWindow = &target;
    activeHook = hook;
}

CreationHook::~CreationHook() {
    pendingWindow = nullptr;
    if (hook && activeHook == hook) {
        UnhookWindowsHookEx(hook);
        activeHook = nullptr;
    }
}

LRESULT CALLBACK CreationHook::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && pendingWindow) {
        Window* target = pendingWindow;
        pendingWindow = nullptr;
        const auto window = reinterpret_cast<HWND>(wParam);
        // An object has one window: one that has it already is not taken from it.
        if (!target->hwnd) {
            const auto previous = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Window::WindowProc)));
            target->Bind(window, previous);
            target->OnHandleMade();
        }
        // Done: the windows created from here on (the children, a dialog's controls) would each
        // go through the hook for nothing, at a round trip to the window system apiece.
        const HHOOK done = activeHook;
        activeHook = nullptr;
        const LRESULT result = CallNextHookEx(done, code, wParam, lParam);
        UnhookWindowsHookEx(done);
        return result;
    }
    return CallNextHookEx(activeHook, code, wParam, lParam);
}

} // namespace win
