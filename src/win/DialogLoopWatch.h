#pragma once
#include <windows.h>

namespace win {

// The last message a modal dialog of the system's own (a message box, a common dialog) took
// from its loop, seen through this thread's message filter while the watch lives. Once such a
// dialog has ended, that is the input that ended it.
class DialogLoopWatch {
  public:
    DialogLoopWatch();
    ~DialogLoopWatch();
    DialogLoopWatch(const DialogLoopWatch&) = delete;
    DialogLoopWatch& operator=(const DialogLoopWatch&) = delete;

    const MSG& LastMessage() const { return last; }

  private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam);

    HHOOK hook;
    DialogLoopWatch* outer;
    MSG last{};
};

} // namespace win
