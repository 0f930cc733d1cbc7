#include "TintraApp.h"

#include "TintraDlg.h"
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

    // Never deleted: the main window and its forty-odd children are left to the end of the
    // process, which takes them all at once. Destroyed one by one, with the object's end,
    // they took most of the close; the settings are saved and the window hidden by then.
    CTintraDlg& mainWindow = *new CTintraDlg;
    win::startup::Mark("main window constructed");
    mainWindow.RunModal(nullptr, win::Dialog::AtLoopEnd::LeaveToProcessEnd);
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
