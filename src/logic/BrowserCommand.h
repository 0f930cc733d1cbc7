#pragma once
#include <functional>
#include <string>

// The maker's web site, shown as the about dialog's link and handed to the browser.
constexpr wchar_t kWebSiteAddress[] = L"https://www.kelvo.example/tintra";

// The site's name as the link shows it, for its narrow label: the address without its
// scheme, "www." and path.
std::wstring SiteName(const std::wstring& address);

// The browser's executable from a registered "open" command: a quoted path followed by
// arguments gives the bare path; a command whose last path part holds no blank is kept whole.
std::wstring BrowserPathFromCommand(const std::wstring& command);

// Starts a program (verb null) or opens a document (verb "open"); true when it started.
using LaunchFunction =
    std::function<bool(const wchar_t* verb, const wchar_t* file, const wchar_t* parameters)>;

// Opens the address in the browser when one is known and it starts, and otherwise through
// the system's own handler for the address, so that a click always does something.
void OpenAddress(const std::wstring& browserPath, const std::wstring& address, const LaunchFunction& launch);
