#pragma once
// The memory and GDI objects of each process, taken once it has settled and again at its end:
// what it holds must not grow with the number of inputs.
#include "RunningTintra.h"

#include <psapi.h>
#include <winternl.h>

namespace soak {

// The process environment block points to the GDI handle table, which both Windows and Wine
// keep in memory the process can read: 65536 entries of 24 bytes on 64-bit systems, with the
// object's type in the byte at offset 14 and 0 there for a free entry. GetGuiResources, which
// would give the count directly, is a stub under Wine.
constexpr size_t kGdiTablePointerInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;
constexpr size_t kGdiEntries = 0x10000;
constexpr size_t kGdiEntrySize = 24;
constexpr size_t kGdiTypeOffset = 14;

// Entries in use in the process's GDI handle table (its own objects and the stock ones); -1
// where the platform gives no table to read.
inline long LiveGdiObjects(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    if (sizeof(void*) != 8 ||
        NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0)
        return -1;
    void* table = nullptr;
    const BYTE* const peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    if (!ReadProcessMemory(process, peb + kGdiTablePointerInPeb, &table, sizeof(table), nullptr) || !table)
        return -1;
    std::vector<BYTE> entries(kGdiEntries * kGdiEntrySize);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size(), nullptr))
        return -1;
    long live = 0;
    for (size_t i = 0; i < kGdiEntries; ++i)
        live += entries[i * kGdiEntrySize + kGdiTypeOffset] != 0;
    return live;
}

// What another process holds, read from outside while it runs; all zero when it cannot be read.
struct ProcessFigures {
    SIZE_T committedBytes = 0; // PagefileUsage: private memory the process has committed
    SIZE_T workingSetBytes = 0;
    long gdiObjects = -1;

    static ProcessFigures Of(HANDLE process) {
        PROCESS_MEMORY_COUNTERS counters{sizeof(counters)};
        if (!GetProcessMemoryInfo(process, &counters, sizeof(counters)))
            counters = PROCESS_MEMORY_COUNTERS{};
        return ProcessFigures{counters.PagefileUsage, counters.WorkingSetSize, LiveGdiObjects(process)};
    }
    // "committed 7123 KB, working set 25011 KB, GDI objects 112"
    std::string Text() const {
        return "committed " + std::to_string(committedBytes / 1024) + " KB, working set " +
               std::to_string(workingSetBytes / 1024) + " KB, GDI objects " +
               (gdiObjects < 0 ? std::string("unknown") : std::to_string(gdiObjects));
    }
};

// The memory figures of a process are taken once it has had this many inputs and has opened
// each dialog once, when its dialogs, fonts and caches have all been made, and again at its end.
// The first opening of a dialog makes some sixty GDI objects that stay for the process's life.
constexpr int kWarmInputs = 500;
constexpr size_t kDialogKinds = 4; // the colour dialog, the system one, the options, the about
// Growth allowed from that point to the end of a process. Tintra's memory is made of the
// canvases and pictures of its windows, which stay, and of dialogs, which go with their run:
// nothing it holds grows with the number of inputs. What grows without a leak is the heap's
// spread and the caches of Wine's own libraries, a few hundred kilobytes over thousands of
// inputs. One palette picture kept per colour dialog (301 x 145 pixels, 170 KB) or one about
// banner per opening (60 KB) passes 4 MB within a hundred openings, fewer than a run has.
constexpr SIZE_T kCommittedGrowthBound = 4 * 1024 * 1024;
// The GDI objects of a settled program are its windows' brushes, bitmaps and device contexts,
// the same number after every dialog. A few come and go with Wine's caches (fonts of the
// dialogs, the system colour dialog's brushes); a brush kept per dialog passes this bound in
// a few dozen openings.
constexpr long kGdiGrowthBound = 16;

class MemoryWatch {
  public:
    explicit MemoryWatch(int settledInputs) : warmInputs(settledInputs) {}

    void Restart() { warm = latest = ProcessFigures{}; }
    // The figures of a settled program; the first once it has had its first inputs and dialogs.
    void Take(const RunningTintra& tintra, int process, int processInputs) {
        latest = ProcessFigures::Of(tintra.process->Handle());
        if (processInputs >= warmInputs && tintra.dialogsOpened.size() == kDialogKinds &&
            warm.committedBytes == 0) {
            warm = latest;
            std::printf("soak: process %d after %d inputs: %s\n", process, processInputs,
                        warm.Text().c_str());
        }
    }
    // Past its first inputs, the figures of a process must not grow beyond the bounds.
    std::string AtEnd(const RunningTintra& tintra, int process, int processInputs) {
        if (warm.committedBytes == 0) {
            std::printf(
                "soak: process %d not measured: it ended after %d inputs, %zu of the %zu dialogs opened\n",
                process, processInputs, tintra.dialogsOpened.size(), kDialogKinds);
            return {};
        }
        const long long committed =
            static_cast<long long>(latest.committedBytes) - static_cast<long long>(warm.committedBytes);
        const long gdi = latest.gdiObjects - warm.gdiObjects;
        std::printf("soak: process %d at its end, after %d inputs: %s; growth: committed %+lld KB, GDI "
                    "objects %+ld\n",
                    process, processInputs, latest.Text().c_str(), committed / 1024, gdi);
        ++measuredProcesses;
        largestCommittedGrowth = std::max(largestCommittedGrowth, committed);
        largestGdiGrowth = std::max(largestGdiGrowth, gdi);
        if (committed > static_cast<long long>(kCommittedGrowthBound))
            return "the committed memory grew by " + std::to_string(committed / 1024) + " KB, more than " +
                   std::to_string(kCommittedGrowthBound / 1024) + " KB";
        if (gdi > kGdiGrowthBound)
            return "the GDI objects grew by " + std::to_string(gdi) + ", more than " +
                   std::to_string(kGdiGrowthBound);
        return {};
    }
    void PrintSummary(int processes) const {
        if (measuredProcesses == 0)
            std::printf(
                "soak: memory not measured: no process had %d inputs and every dialog before its end\n",
                warmInputs);
        else
            std::printf(
                "soak: memory of %d of the %d processes, measured after their first %d inputs and every "
                "dialog: largest growth committed %+lld KB (bound %zu KB), GDI objects %+ld (bound %ld)\n",
                measuredProcesses, processes, warmInputs, largestCommittedGrowth / 1024,
                kCommittedGrowthBound / 1024, largestGdiGrowth, kGdiGrowthBound);
    }

  private:
    const int warmInputs;
    ProcessFigures warm, latest;
    int measuredProcesses = 0;
    long long largestCommittedGrowth = 0;
    long largestGdiGrowth = 0;
};

} // namespace soak
