#pragma once
#include "../win/App.h"
#include "../win/Gdiplus.h"
#include "../win/Handles.h"
#include "TintraDlg.h"

#include <memory>

class CTintraApp : public win::App {
  protected:
    bool InitInstance() override;
    int ExitInstance() override;

  private:
    // Held from start to end of the process, so that the installer and the uninstaller can
    // tell that Tintra runs and wait for it to close.
    win::KernelObject runningMarker;
    std::unique_ptr<win::GdiplusSession> gdiplus;
    // After GDI+ in the declaration, so that it goes first: its controls' bitmaps are GDI+
    // objects, which must all be gone before GDI+ shuts down.
    std::unique_ptr<CTintraDlg> mainWindow;
};
