#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace win {

// A resource of the module as it lies in memory, which it does while the module is loaded.
struct ResourceBytes {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

// Empty (null, 0) when the module has no such resource.
inline ResourceBytes FindResourceBytes(HINSTANCE instance, UINT id, LPCWSTR type) {
    const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), type);
    const HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return {};
    return {static_cast<const std::uint8_t*>(data), SizeofResource(instance, found)};
}

} // namespace win
