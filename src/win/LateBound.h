#pragma once
#include <windows.h>

namespace win {

// A system function looked up at run time: one that only an occasional command needs, whose
// library is then loaded when it is first asked for rather than slowing the program's start,
// or one that older systems lack. Null when the library or the function cannot be found.
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
