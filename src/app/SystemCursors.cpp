#include "SystemCursors.h"

#include "../logic/SettingsTable.h"
#include "../win/App.h"
#include "../win/Handles.h"

#include <string>

namespace {

// Beside the settings, not one of them: it says what the program left behind, not what the
// user chose. Its value is the id of the process that replaced the cursors.
constexpr wchar_t kMarkerEntry[] = L"cursors_replaced";

// Another copy of this program that waits for its click now: its cursors are meant to be
// replaced. A process id is used again once its process has ended and nobody holds it open, so
// the program's name is asked too; a marker naming this very process was left by a copy that
// had the same id before it.
bool IsRunningCopy(DWORD processId) {
    if (processId == GetCurrentProcessId())
        return false;
    const win::KernelObject process(
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process || WaitForSingleObject(process.get(), 0) != WAIT_TIMEOUT)
        return false;
    wchar_t path[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    if (!QueryFullProcessImageNameW(process.get(), 0, path, &length))
        return false;
    std::wstring name(path, length);
    name.erase(0, name.find_last_of(L"\\/") + 1);
    if (const auto dot = name.find_last_of(L'.'); dot != std::wstring::npos)
        name.erase(dot);
    return _wcsicmp(name.c_str(), win::ExecutableBaseName().c_str()) == 0;
}

} // namespace

void SystemCursors::LoadUserScheme() {
    SystemParametersInfoW(SPI_SETCURSORS, 0, nullptr, 0);
}

SystemCursors::SystemCursors(SchemeLoad loadScheme) {
    const win::App& app = win::App::Current();
    const int marker = app.GetProfileInt(kSettingsSection, kMarkerEntry, 0);
    if (marker != 0 && !IsRunningCopy(static_cast<DWORD>(marker))) {
        loadScheme();
        app.DeleteProfileEntry(kSettingsSection, kMarkerEntry);
    }
}

void SystemCursors::Replace(HCURSOR cursor) {
    win::App::Current().WriteProfileInt(kSettingsSection, kMarkerEntry,
                                        static_cast<int>(GetCurrentProcessId()));
    for (const DWORD id : kIds) {
        const HCURSOR copy = CopyIcon(cursor);
        if (copy && !Install(copy, id))
            DestroyCursor(copy);
    }
    replaced = true;
}

// Loaded anew rather than put back from copies: a change the user made to the scheme or the
// pointer size since is kept, and animated cursors go on moving.
void SystemCursors::Restore() {
    ReloadUserScheme();
    replaced = false;
    win::App::Current().DeleteProfileEntry(kSettingsSection, kMarkerEntry);
}

bool SystemCursors::Install(HCURSOR copy, DWORD id) {
    if (!SetSystemCursor(copy, id))
        return false;
    // Windows destroys the copy it takes over. Wine's SetSystemCursor only reports success and
    // leaves the copy alive: without this every picking mode would leave 22 cursors behind.
    ICONINFO info{};
    if (GetIconInfo(copy, &info)) {
        win::BitmapHandle color(info.hbmColor), mask(info.hbmMask);
        DestroyCursor(copy);
    }
    return true;
}

void SystemCursors::ReloadUserScheme() {
    LoadUserScheme();
}
