#include "DialogLoopWatch.h"

namespace win {

namespace {

// The filter runs on the dialog's own thread. Watches nest: the newest sees the messages until
// it goes.
thread_local DialogLoopWatch* watching = nullptr;

} // namespace

DialogLoopWatch::DialogLoopWatch()
    : hook(SetWindowsHookExW(WH_MSGFILTER, Filter, nullptr, GetCurrentThreadId())), outer(watching) {
    watching = this;
}

DialogLoopWatch::~DialogLoopWatch() {
    watching = outer;
    if (hook)
        UnhookWindowsHookEx(hook);
}

LRESULT CALLBACK DialogLoopWatch::Filter(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && watching && lParam)
        watching->last = *reinterpret_cast<const MSG*>(lParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace win
