#include "BrowserCommand.h"

std::wstring SiteName(const std::wstring& address) {
    std::wstring name = address;
    if (const size_t scheme = name.find(L"://"); scheme != std::wstring::npos)
        name.erase(0, scheme + 3);
    if (name.rfind(L"www.", 0) == 0)
        name.erase(0, 4);
    return name.substr(0, name.find(L'/'));
}

std::wstring BrowserPathFromCommand(const std::wstring& command) {
    const size_t slash = command.rfind(L'\\');
    if (slash == std::wstring::npos)
        return command;
    const size_t blank = command.find(L' ', slash + 1);
    if (blank == std::wstring::npos)
        return command;
    std::wstring path = command.substr(0, blank);
    if (!path.empty() && path.front() == L'"')
        path.erase(0, 1);
    if (!path.empty() && path.back() == L'"')
        path.pop_back();
    return path;
}

void OpenAddress(const std::wstring& browserPath, const std::wstring& address, const LaunchFunction& launch) {
    if (!browserPath.empty() && launch(nullptr, browserPath.c_str(), address.c_str()))
        return;
    launch(L"open", address.c_str(), nullptr);
}
