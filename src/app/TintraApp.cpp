#include "TintraApp.h"

#include "TintraDlg.h"
#include "../win/StartupProfile.h"

#include <commctrl.h>

bool CTintraApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    win::startup::Mark("entry");
    InitCommonControlsEx(&controls);
    win::startup::Mark("common controls");
    gdiplus = std::make_unique<win::GdiplusSession>();
    win::startup::Mark("GDI+ started");
    SetRegistryKey(L"Kelvo Tintra");

    CTintraDlg mainWindow;
    win::startup::Mark("main window constructed");
    mainWindow.RunModal(nullptr);
    win::startup::Mark("main window closed");
    // No message loop of our own follows: the main dialog was the program.
    return false;
}

int CTintraApp::ExitInstance() {
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
