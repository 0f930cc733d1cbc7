#pragma once
// What another process holds: its committed memory, its working set and its live GDI objects,
// read from outside while it runs.
#include <windows.h>

#include <string>

namespace e2e {

struct ProcessFigures {
    SIZE_T committedBytes = 0; // PagefileUsage: private memory the process has committed
    SIZE_T workingSetBytes = 0;
    // Entries in use in the process's GDI handle table (its own objects and the stock ones);
    // -1 where the platform gives no table to read.
    long gdiObjects = -1;

    // The figures of the process now; all zero when they cannot be read.
    static ProcessFigures Of(HANDLE process);
    // "committed 7123 KB, working set 25011 KB, GDI objects 112"
    std::string Text() const;
};

} // namespace e2e
