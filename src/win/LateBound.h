#pragma once
#include <windows.h>

namespace win {

// A function of a system library that only an occasional command needs. The library is loaded
// when the function is first asked for, not with the program, whose start it would slow down.
// Null when the library or the function cannot be found.
template <typename Function> Function* LateBoundFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (!module)
        module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module)
        return nullptr;
    // Through the generic function pointer type, the one cast between function types that says so.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace win
