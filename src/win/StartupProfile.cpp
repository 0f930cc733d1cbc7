#include "StartupProfile.h"

#ifdef TINTRA_STARTUP_PROFILE
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace win::startup {
namespace {

struct Step {
    std::string name;
    double msSinceCreation;
};

constexpr size_t kMaxSteps = 256;
std::vector<Step> steps;
bool idleSeen = false;

ULONGLONG AsNumber(FILETIME time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

double MsSinceCreation() {
    FILETIME creation, exit, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    return static_cast<double>(AsNumber(now) - AsNumber(creation)) / 10000.0;
}

} // namespace

void Mark(const char* step) {
    if (steps.size() < kMaxSteps)
        steps.push_back({step, MsSinceCreation()});
}

void MarkFirstIdle() {
    MSG msg;
    if (idleSeen || PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        return;
    Mark("first idle (all painted)");
    idleSeen = true;
}

void MarkDispatched(const MSG& msg) {
    if (msg.message != WM_PAINT)
        return;
    char className[64] = {};
    GetClassNameA(msg.hwnd, className, sizeof(className));
    Mark((std::string("paint: ") + className).c_str());
}

void Report() {
    Mark("exit");
    FILE* out = std::fopen("startup-profile.txt", "a");
    if (!out)
        return;
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::fprintf(out, "# %ls\n", program);
    double previous = 0;
    for (const Step& step : steps) {
        std::fprintf(out, "%8.2f %8.2f  %s\n", step.msSinceCreation, step.msSinceCreation - previous,
                     step.name.c_str());
        previous = step.msSinceCreation;
    }
    std::fputs("--\n", out);
    std::fclose(out);
}

} // namespace win::startup
#endif
