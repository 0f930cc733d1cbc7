#pragma once
// GDI+ with the pieces the program needs around it.
#include <windows.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

#include <memory>

namespace win {

// Keeps GDI+ started for its lifetime. Every GDI+ object must be gone before it ends: the
// application ends the main window, and with it every picture its controls hold, first.
class GdiplusSession {
  public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
            token = 0;
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    ~GdiplusSession() {
        if (token)
            Gdiplus::GdiplusShutdown(token);
    }

  private:
    ULONG_PTR token = 0;
};

using BitmapPtr = std::unique_ptr<Gdiplus::Bitmap>;

} // namespace win
