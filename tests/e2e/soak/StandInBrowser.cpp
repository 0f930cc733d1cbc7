// The web browser the soak run registers for the about dialog's link, so that no real one
// starts: it tells the run that it was started with a web address, and ends. A program
// without a console, as a browser is, so that its start moves no window.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    const std::wstring address = commandLine;
    if (address.find(L"http") == std::wstring::npos)
        return 2;
    const HANDLE started = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"Local\\TintraSoakStandInBrowser");
    if (!started)
        return 1;
    SetEvent(started);
    CloseHandle(started);
    return 0;
}
