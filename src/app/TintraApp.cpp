#include "TintraApp.h"

#include "../win/StartupProfile.h"

#include <commctrl.h>

// packaging/Tintra.nsi looks for the same name.
constexpr wchar_t kRunningMarkerName[] = L"Kelvo Tintra running";

bool CTintraApp::InitInstance() {
    runningMarker.reset(CreateMutexW(nullptr, FALSE, kRunningMarkerName));
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    win::startup::Mark("entry");
    InitCommonControlsEx(&controls);
    win::startup::Mark("common controls");
    gdiplus = std::make_unique<win::GdiplusSession>();
    win::startup::Mark("GDI+ started");
    SetRegistryKey(L"Kelvo Tintra");

    mainWindow = std::make_unique<CTintraDlg>();
    win::startup::Mark("main window constructed");
    mainWindow->RunModal(nullptr);
    win::startup::Mark("main window closed");
    // No message loop of our own follows: the main dialog was the program.
    return false;
}

// The settings are saved and the window is gone from the screen by now; its bitmaps go
// before GDI+ does.
int CTintraApp::ExitInstance() {
    mainWindow.reset();
    gdiplus.reset();
    win::startup::Mark("GDI+ shut down");
    const int exitCode = App::ExitInstance();
    win::startup::Report();
    return exitCode;
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    CTintraApp app;
    return app.Run();
}
