#include "StartWithWindows.h"

#include "../win/Handles.h"

namespace {

// Opened only, never created: a missing key holds no entry.
void RemoveEntry(HKEY root, REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, kRunKeyPath, 0, KEY_SET_VALUE | view, &key) != ERROR_SUCCESS)
        return;
    const win::RegKey owner(key);
    RegDeleteValueW(owner.get(), kRunValueName);
}

} // namespace

std::wstring StartCommandFor(const std::wstring& executablePath) {
    return L"\"" + executablePath + L"\"";
}

void UpdateStartWithWindows(bool on, const std::wstring& executablePath) {
    if (on) {
        HKEY created = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_SET_VALUE, nullptr, &created, nullptr) == ERROR_SUCCESS) {
            const win::RegKey key(created);
            const std::wstring command = StartCommandFor(executablePath);
            RegSetValueExW(key.get(), kRunValueName, 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(command.c_str()),
                           static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
        }
    } else {
        RemoveEntry(HKEY_CURRENT_USER, 0);
    }
    // A 32-bit program on 64-bit Windows writes the machine's entry into the 32-bit view.
    RemoveEntry(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY);
    RemoveEntry(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY);
}
