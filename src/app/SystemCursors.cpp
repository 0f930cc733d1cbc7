#include "SystemCursors.h"

#include "../win/App.h"
#include "SettingsTable.h"

namespace {

// Beside the settings, not one of them: it says what the program left behind, not what the
// user chose.
constexpr wchar_t kMarkerEntry[] = L"cursors_replaced";

} // namespace

SystemCursors::SystemCursors() {
    const win::App& app = win::App::Current();
    if (app.GetProfileInt(kSettingsSection, kMarkerEntry, 0) != 0) {
        // The cursors are still the eyedropper or the crosshair: a copy made now would save them.
        SystemParametersInfoW(SPI_SETCURSORS, 0, nullptr, 0);
        app.DeleteProfileEntry(kSettingsSection, kMarkerEntry);
    }
}

void SystemCursors::Replace(HCURSOR cursor) {
    win::App::Current().WriteProfileInt(kSettingsSection, kMarkerEntry, 1);
    SaveOriginalsOnce();
    InstallCopies(cursor);
    replaced = true;
}

void SystemCursors::Restore() {
    SaveOriginalsOnce();
    InstallCopies(nullptr);
    replaced = false;
    win::App::Current().DeleteProfileEntry(kSettingsSection, kMarkerEntry);
}

void SystemCursors::SaveOriginalsOnce() {
    if (savedOnce)
        return;
    for (int i = 0; i < kCount; ++i)
        saved[static_cast<size_t>(i)].reset(CopyIcon(LoadCursorW(nullptr, MAKEINTRESOURCEW(kIds[i]))));
    savedOnce = true;
}

// With a null replacement each id gets a copy of its own saved cursor.
void SystemCursors::InstallCopies(HCURSOR replacement) {
    for (int i = 0; i < kCount; ++i) {
        const HCURSOR source = replacement ? replacement : saved[static_cast<size_t>(i)].get();
        if (!source)
            continue;
        const HCURSOR copy = CopyIcon(source);
        if (copy && !Install(copy, kIds[i]))
            DestroyCursor(copy);
    }
}

bool SystemCursors::Install(HCURSOR copy, DWORD id) {
    return SetSystemCursor(copy, id) != FALSE;
}
