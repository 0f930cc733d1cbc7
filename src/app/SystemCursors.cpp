#include "SystemCursors.h"

#include "../win/App.h"

namespace {

// Beside the settings, not one of them: it says what the program left behind, not what the
// user chose.
constexpr wchar_t kMarkerSection[] = L"Settings";
constexpr wchar_t kMarkerEntry[] = L"cursors_replaced";

} // namespace

SystemCursors::SystemCursors() {
    const win::App& app = win::App::Current();
    if (app.GetProfileInt(kMarkerSection, kMarkerEntry, 0) != 0) {
        // The cursors are still the eyedropper or the crosshair: the copies below would save them.
        SystemParametersInfoW(SPI_SETCURSORS, 0, nullptr, 0);
        app.DeleteProfileEntry(kMarkerSection, kMarkerEntry);
    }
    for (int i = 0; i < kCount; ++i)
        saved[static_cast<size_t>(i)].reset(CopyIcon(LoadCursorW(nullptr, MAKEINTRESOURCEW(kIds[i]))));
}

void SystemCursors::Replace(HCURSOR cursor) {
    win::App::Current().WriteProfileInt(kMarkerSection, kMarkerEntry, 1);
    InstallCopies(cursor);
}

void SystemCursors::Restore() {
    InstallCopies(nullptr);
    win::App::Current().DeleteProfileEntry(kMarkerSection, kMarkerEntry);
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
