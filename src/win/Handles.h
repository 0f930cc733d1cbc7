#pragma once
#include <windows.h>

#include <utility>

namespace win {

// Move-only owner of one platform handle, released by Deleter.
template <typename H, typename Deleter> class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(H handle) : value(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : value(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    H get() const { return value; }
    explicit operator bool() const { return value != nullptr; }
    H release() { return std::exchange(value, nullptr); }
    void reset(H handle = nullptr) {
        if (value)
            Deleter()(value);
        value = handle;
    }

  private:
    H value = nullptr;
};

struct GdiObjectDeleter {
    void operator()(HGDIOBJ handle) const { DeleteObject(handle); }
};
struct MemoryDcDeleter {
    void operator()(HDC handle) const { DeleteDC(handle); }
};
struct CursorDeleter {
    void operator()(HCURSOR handle) const { DestroyCursor(handle); }
};
struct IconDeleter {
    void operator()(HICON handle) const { DestroyIcon(handle); }
};
struct RegKeyDeleter {
    void operator()(HKEY handle) const { RegCloseKey(handle); }
};
struct KernelObjectDeleter {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct MenuDeleter {
    void operator()(HMENU handle) const { DestroyMenu(handle); }
};
struct GlobalMemoryDeleter {
    void operator()(HGLOBAL handle) const { GlobalFree(handle); }
};

using BrushHandle = UniqueHandle<HBRUSH, GdiObjectDeleter>;
using BitmapHandle = UniqueHandle<HBITMAP, GdiObjectDeleter>;
using FontHandle = UniqueHandle<HFONT, GdiObjectDeleter>;
using MemoryDc = UniqueHandle<HDC, MemoryDcDeleter>;
using CursorHandle = UniqueHandle<HCURSOR, CursorDeleter>;
using IconHandle = UniqueHandle<HICON, IconDeleter>;
using RegKey = UniqueHandle<HKEY, RegKeyDeleter>;
using GlobalMemory = UniqueHandle<HGLOBAL, GlobalMemoryDeleter>;
using MenuHandle = UniqueHandle<HMENU, MenuDeleter>;
using KernelObject = UniqueHandle<HANDLE, KernelObjectDeleter>;

// A device context from GetDC (of a window, or of the screen when hwnd is null).
class WindowDc {
  public:
    explicit WindowDc(HWND window) : hwnd(window), dc(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc)
            ReleaseDC(hwnd, dc);
    }
    HDC get() const { return dc; }

  private:
    HWND hwnd;
    HDC dc;
};

class PaintScope {
  public:
    explicit PaintScope(HWND window) : hwnd(window), dc(BeginPaint(hwnd, &ps)) {}
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(hwnd, &ps); }
    HDC get() const { return dc; }

  private:
    HWND hwnd;
    PAINTSTRUCT ps{};
    HDC dc;
};

// Selects an object into a DC and puts the previous one back.
class SelectScope {
  public:
    SelectScope(HDC dc, HGDIOBJ object) : hdc(dc), previous(SelectObject(dc, object)) {}
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;
    ~SelectScope() { SelectObject(hdc, previous); }

  private:
    HDC hdc;
    HGDIOBJ previous;
};

} // namespace win
