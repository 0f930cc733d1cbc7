#pragma once
#include <string>

// Enters the program in the current user's start-up list, or takes it out. Every user may
// write there; a machine-wide entry of the same name (from an earlier version) is removed
// where this user is allowed to, so that the program never starts twice.
void UpdateStartWithWindows(bool on, const std::wstring& executablePath);

// The command stored for the program: its path in quotes, so that a path with blanks is not
// cut at the first blank (C:\Program Files\... would run C:\Program.exe).
std::wstring StartCommandFor(const std::wstring& executablePath);

constexpr wchar_t kRunKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRunValueName[] = L"Tintra";
