#include "RegistryProfile.h"

#include "Handles.h"

#include <utility>

namespace win {
namespace {

RegKey OpenOrCreate(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}

} // namespace

RegistryProfile::RegistryProfile(std::wstring companyName, std::wstring applicationName)
    : company(std::move(companyName)), application(std::move(applicationName)) {}

std::wstring RegistryProfile::SectionPath(LPCWSTR section) const {
    return L"Software\\" + company + L"\\" + application + L"\\" + section;
}

int RegistryProfile::GetInt(LPCWSTR section, LPCWSTR entry, int defaultValue) const {
    const RegKey key = OpenOrCreate(SectionPath(section));
    if (!key)
        return defaultValue;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegQueryValueExW(key.get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS)
        return defaultValue;
    // A shorter value would leave bytes unset, and a 4-byte string like "1" is no number.
    if (size != sizeof(value) || (type != REG_DWORD && type != REG_BINARY))
        return defaultValue;
    return static_cast<int>(value);
}

bool RegistryProfile::WriteInt(LPCWSTR section, LPCWSTR entry, int value) const {
    const RegKey key = OpenOrCreate(SectionPath(section));
    if (!key)
        return false;
    const DWORD data = static_cast<DWORD>(value);
    return RegSetValueExW(key.get(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof(data)) == ERROR_SUCCESS;
}

bool RegistryProfile::DeleteEntry(LPCWSTR section, LPCWSTR entry) const {
    const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, SectionPath(section).c_str(), entry);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

} // namespace win
