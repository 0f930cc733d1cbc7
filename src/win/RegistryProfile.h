#pragma once
#include <windows.h>

#include <string>

namespace win {

// Integer settings under HKEY_CURRENT_USER\Software\<company>\<application>\<section>.
class RegistryProfile {
  public:
    RegistryProfile(std::wstring company, std::wstring application);

    // The stored value, or the default when it is missing, unreadable, not 4 bytes long or
    // not a number type. The keys are created on the way, also when only reading.
    int GetInt(LPCWSTR section, LPCWSTR entry, int defaultValue) const;
    bool WriteInt(LPCWSTR section, LPCWSTR entry, int value) const;
    // True when the value is gone afterwards, also when it was never there.
    bool DeleteEntry(LPCWSTR section, LPCWSTR entry) const;

    std::wstring SectionPath(LPCWSTR section) const;

  private:
    std::wstring company;
    std::wstring application;
};

} // namespace win
