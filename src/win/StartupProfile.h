#pragma once
// Start-up timing, compiled in only where TINTRA_STARTUP_PROFILE is defined (the profiling
// build, scripts/profile-startup.sh). Each step marks its end; the times since the process was
// created are appended to startup-profile.txt in the current directory when the program ends,
// after a line that names the program.
// Everywhere else the marks are empty and the shipped program does no timing.
#include <windows.h>

namespace win::startup {

#ifdef TINTRA_STARTUP_PROFILE
void Mark(const char* step);
// Marks the first time the user-interface thread finds nothing left to do: everything painted.
void MarkFirstIdle();
// Marks the end of each paint the message loop dispatches, named by the window's class.
void MarkDispatched(const MSG& msg);
void Report();
#else
inline void Mark(const char*) {}
inline void MarkFirstIdle() {}
inline void MarkDispatched(const MSG&) {}
inline void Report() {}
#endif

} // namespace win::startup
