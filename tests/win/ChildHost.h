#pragma once
#include "win/Window.h"

#include <vector>

// A top-level window that keeps what its children post or send to it.
class ChildHost : public win::Window {
  public:
    struct Received {
        UINT message;
        WPARAM wParam;
    };

    bool Create() {
        return Window::Create(nullptr, L"host", WS_POPUP | WS_VISIBLE, RECT{0, 0, 320, 240}, nullptr, 0);
    }
    int Count(UINT message, WPARAM wParam) const {
        int count = 0;
        for (const Received& item : received)
            count += item.message == message && item.wParam == wParam;
        return count;
    }
    std::vector<Received> received;
    UINT firstRecorded = WM_APP;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= firstRecorded || message == WM_COMMAND)
            received.push_back({message, wParam});
        return DefaultProc(message, wParam, lParam);
    }
};
