#include "TintraApp.h"

#include "TintraDlg.h"

#include <commctrl.h>

bool CTintraApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    gdiplus = std::make_unique<win::GdiplusSession>();
    SetRegistryKey(L"Kelvo Tintra");

    CTintraDlg mainWindow;
    mainWindow.RunModal(nullptr);
    // No message loop of our own follows: the main dialog was the program.
    return false;
}

int CTintraApp::ExitInstance() {
    gdiplus.reset();
    return App::ExitInstance();
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    CTintraApp app;
    return app.Run();
}
