#include "StartWithWindows.h"

#include "../win/Handles.h"

namespace {

win::RegKey OpenRunKey(HKEY root) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, kRunKeyPath, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return win::RegKey();
    return win::RegKey(key);
}

void RemoveEntry(HKEY root) {
    if (const win::RegKey key = OpenRunKey(root))
        RegDeleteValueW(key.get(), kRunValueName);
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
        RemoveEntry(HKEY_CURRENT_USER);
    }
    RemoveEntry(HKEY_LOCAL_MACHINE);
}
