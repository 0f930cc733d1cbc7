#pragma once
#include <cstdint>
#include <string>

// "major.minor" from the high 32 bits of a file version: 0x00010002 (1.2.x.x) gives "1.2".
std::wstring VersionText(std::uint32_t fileVersionHigh);
// The banner's line: "Version 1.0", or its Russian form.
std::wstring VersionLine(bool russian, const std::wstring& versionText);
