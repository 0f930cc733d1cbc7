#include "VersionText.h"

std::wstring VersionText(std::uint32_t fileVersionHigh) {
    return std::to_wstring(fileVersionHigh >> 16) + L"." + std::to_wstring(fileVersionHigh & 0xFFFF);
}

std::wstring VersionLine(bool russian, const std::wstring& versionText) {
    return (russian ? L"Версия " : L"Version ") + versionText;
}
