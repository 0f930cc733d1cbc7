#pragma once
#include <windows.h>

#include <string>
#include <utility>

namespace win {

// Owner-draw requests are handed back to the control they are about, as this message.
constexpr UINT kReflectBase = 0xBC00;
constexpr UINT kReflectedDrawItem = kReflectBase + WM_DRAWITEM;

// Class name of the plain child window: double-clicks, redraw on resize, arrow, no background brush.
constexpr wchar_t kChildWindowClass[] = L"TintraWnd";

// What assistive technology is told about a window, or about an item drawn inside it, over what
// the system's own proxy says of the window (its text as name, its place, focus and visibility).
struct AccessibleFacts {
    std::wstring name;  // empty: the proxy's
    long role = 0;      // 0: the proxy's
    long state = 0;     // added to the proxy's; all of an item's state
    std::wstring value; // empty: the proxy's
    std::wstring description; // empty: the proxy's
    RECT bounds{};      // an item's, in client coordinates
};

// Wraps one HWND. Every message goes through the one virtual HandleMessage; what it does
// not handle goes to the window's original procedure.
class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Hwnd() const { return hwnd; }
    int ControlId() const { return GetDlgCtrlID(hwnd); }

    // Creates a window of the class bound to this object: of the plain child class (when null)
    // from its first message on, of any other class from the end of its creation on.
    bool Create(LPCWSTR className, LPCWSTR text, DWORD style, const RECT& rect, HWND parent, UINT id,
                DWORD exStyle = 0);
    // Subclasses a window that already exists, such as a control from a dialog template.
    bool Attach(HWND window);

    static Window* FromHandle(HWND window);

    // Sees each queued message addressed to this window or its children before dispatch.
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Read by the window's accessible object (AnswerGetObject) at each question, so that it
    // always tells the present state: item 0 is the window itself, items 1 to the count are
    // drawn inside it and are then its only children. By default, the name given below.
    virtual AccessibleFacts DescribeAccessible(long item) const;
    virtual long AccessibleItemCount() const { return 0; }
    // Names the window for assistive technology where no text of its own can: a button
    // without a caption, a picture whose text names its bitmap.
    void SetAccessibleName(std::wstring name) { accessibleName = std::move(name); }

  protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_GETOBJECT of a window that describes itself (DescribeAccessible).
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    // The result of a creation: true when the new window is the one this object is bound to.
    // One that it is not (the object already had a window, or the binding hook never ran) would
    // get none of its messages, and is destroyed again.
    bool TakeCreated(HWND created);
    void Invalidate(bool erase = true) const { InvalidateRect(hwnd, nullptr, erase ? TRUE : FALSE); }
    // Called for a window bound by a CreationHook once it has a handle, before the window system
    // has made its frame or sent it a message: what is given now goes into the frame as it is made.
    virtual void OnHandleMade() {}

  private:
    friend class CreationHook;
    static void RegisterChildWindowClass();
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Bind(HWND window, WNDPROC previous);
    void Unbind();

    HWND hwnd = nullptr;
    WNDPROC baseProc = nullptr;
    std::wstring accessibleName;
};

// Binds the next window created on this thread to an object, before its WM_NCCREATE: for a
// dialog, whose class is the system's, and which makes its own children in WM_CREATE.
class CreationHook {
  public:
    explicit CreationHook(Window& target);
    CreationHook(const CreationHook&) = delete;
    CreationHook& operator=(const CreationHook&) = delete;
    ~CreationHook();

  private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook;
};

bool IsCtlColorMessage(UINT message);

// Makes the client area at least that wide and high, keeping the window's position.
void GrowClient(HWND window, int width, int height);
// A child's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);

} // namespace win
