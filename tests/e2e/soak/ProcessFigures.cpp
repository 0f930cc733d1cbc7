#include "ProcessFigures.h"

#include <psapi.h>
#include <winternl.h>

#include <cstddef>
#include <vector>

namespace e2e {

namespace {

// The process environment block points to the GDI handle table, which both Windows and Wine
// keep in memory the process can read: 65536 entries of 24 bytes on 64-bit systems, with the
// object's type in the byte at offset 14 and 0 there for a free entry. GetGuiResources, which
// would give the count directly, is a stub under Wine.
constexpr size_t kGdiTablePointerInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;
constexpr size_t kGdiEntries = 0x10000;
constexpr size_t kGdiEntrySize = 24;
constexpr size_t kGdiTypeOffset = 14;

using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);

long LiveGdiObjects(HANDLE process) {
    if (sizeof(void*) != 8)
        return -1;
    const auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0)
        return -1;
    void* table = nullptr;
    if (!ReadProcessMemory(process, static_cast<const BYTE*>(static_cast<void*>(basic.PebBaseAddress)) +
                                         kGdiTablePointerInPeb,
                           &table, sizeof(table), nullptr) ||
        !table)
        return -1;
    std::vector<BYTE> entries(kGdiEntries * kGdiEntrySize);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size(), nullptr))
        return -1;
    long live = 0;
    for (size_t i = 0; i < kGdiEntries; ++i)
        live += entries[i * kGdiEntrySize + kGdiTypeOffset] != 0;
    return live;
}

} // namespace

ProcessFigures ProcessFigures::Of(HANDLE process) {
    ProcessFigures figures;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (GetProcessMemoryInfo(process, &counters, sizeof(counters))) {
        figures.committedBytes = counters.PagefileUsage;
        figures.workingSetBytes = counters.WorkingSetSize;
    }
    figures.gdiObjects = LiveGdiObjects(process);
    return figures;
}

std::string ProcessFigures::Text() const {
    return "committed " + std::to_string(committedBytes / 1024) + " KB, working set " +
           std::to_string(workingSetBytes / 1024) + " KB, GDI objects " +
           (gdiObjects < 0 ? std::string("unknown") : std::to_string(gdiObjects));
}

} // namespace e2e
