#include "App.h"

namespace win {
namespace {

App* currentApp = nullptr;

} // namespace

App::App() {
    currentApp = this;
}

App::~App() {
    currentApp = nullptr;
}

App& App::Current() {
    return *currentApp;
}

int App::Run() {
    InitInstance();
    return ExitInstance();
}

void App::SetRegistryKey(const std::wstring& company) {
    profile = std::make_unique<RegistryProfile>(company, ExecutableBaseName());
}

int App::GetProfileInt(LPCWSTR section, LPCWSTR entry, int defaultValue) const {
    return profile ? profile->GetInt(section, entry, defaultValue) : defaultValue;
}

bool App::WriteProfileInt(LPCWSTR section, LPCWSTR entry, int value) const {
    return profile && profile->WriteInt(section, entry, value);
}

bool App::DeleteProfileEntry(LPCWSTR section, LPCWSTR entry) const {
    return profile && profile->DeleteEntry(section, entry);
}

std::wstring ExecutablePath() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length < MAX_PATH ? length : MAX_PATH);
}

std::wstring ExecutableBaseName() {
    std::wstring name = ExecutablePath();
    if (const auto slash = name.find_last_of(L"\\/"); slash != std::wstring::npos)
        name.erase(0, slash + 1);
    if (const auto dot = name.find_last_of(L'.'); dot != std::wstring::npos)
        name.erase(dot);
    return name;
}

} // namespace win
