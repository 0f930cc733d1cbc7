#pragma once
#include "Handles.h"

#include <windows.h>

#include <string>
#include <utility>

namespace win {

// One section's key, open for a batch of reads and writes; a section that could not be opened
// reads the defaults and writes nothing.
class ProfileSection {
  public:
    explicit ProfileSection(RegKey sectionKey) : key(std::move(sectionKey)) {}

    // The stored value, or the default when it is missing, unreadable, not 4 bytes long or
    // not a number type.
    int GetInt(LPCWSTR entry, int defaultValue) const;
    bool WriteInt(LPCWSTR entry, int value) const;

  private:
    RegKey key;
};

// Integer settings under HKEY_CURRENT_USER\Software\<company>\<application>\<section>.
class RegistryProfile {
  public:
    RegistryProfile(std::wstring company, std::wstring application);

    // The section's key, created on the way, also when only reading.
    ProfileSection OpenSection(LPCWSTR section) const;
    // One value through a section opened for it alone.
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
