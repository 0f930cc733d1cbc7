#pragma once
// The soak run's input: one seeded generator for every random choice, and every click, drag
// and key given, counted by kind, the last few kept so that a failure can name them.
#include "../Driver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <random>

namespace soak {

using namespace e2e;

constexpr DWORD kAnswerTimeoutMs = 1000;
constexpr DWORD kSettleTimeoutMs = 3000;
constexpr DWORD kEffectTimeoutMs = 5000;
constexpr size_t kInputsKept = 20;
// Inputs between two checks of everything that must hold.
constexpr int kBatch = 100;

inline std::string At(POINT screen) {
    return " at (" + std::to_string(screen.x) + ", " + std::to_string(screen.y) + ")";
}

inline std::string Describe(HWND window) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return "\"" + Utf8(TextOf(window)) + "\" of class " + Utf8(className) + " in process " +
           std::to_string(owner);
}

class SoakInput {
  public:
    explicit SoakInput(unsigned seed) : random(seed) {}

    // A window that vanished in a restart has an empty rectangle: its range has no numbers.
    int Pick(int low, int high) {
        return high < low ? low : std::uniform_int_distribution<int>(low, high)(random);
    }
    // One entry of an array or a vector.
    template <typename Items> const auto& OneOf(const Items& items) {
        return items[static_cast<size_t>(Pick(0, static_cast<int>(std::size(items)) - 1))];
    }
    std::mt19937& Generator() { return random; }
    POINT PointIn(HWND window) {
        const PixelRect rect = win::ClientRect(window);
        const int x = Pick(0, rect.right - 1);
        return OnScreen(window, x, Pick(0, rect.bottom - 1));
    }

    void Tally(const std::string& kind) { ++counts[kind]; }
    void Note(const std::string& input) {
        recent.push_back(input);
        if (recent.size() > kInputsKept)
            recent.pop_front();
    }
    void Count(const std::string& kind) {
        Tally(kind);
        Note(kind);
    }

    // A tap, or a click whose effect is awaited.
    void Click(const std::string& what, POINT screen, bool awaited = false) {
        Note(what + At(screen));
        lastClick = screen;
        awaited ? ClickAt(screen) : TapAt(screen);
    }
    // A click counted by its own kind.
    void CountedClick(const std::string& what, POINT screen) {
        Tally(what);
        Click(what, screen);
    }
    // A click whose effect is watched through the screen rather than awaited on the control.
    void Tap(const std::string& kind, POINT screen) {
        Count(kind);
        lastClick = screen;
        TapAt(screen);
    }
    // A click on a control that takes the mouse when pressed, as buttons do. Its middle, or a
    // point beside it when the last click was there: two clicks on one spot are a double click.
    void ClickButton(const std::string& what, HWND button) {
        const PixelRect rect = win::ClientRect(button);
        POINT screen = MiddleOf(button);
        for (const POINT beside :
             {POINT{rect.right / 4, rect.bottom / 4}, POINT{rect.right * 3 / 4, rect.bottom * 3 / 4}}) {
            if (!NearLastClick(screen))
                break;
            screen = OnScreen(button, beside.x, beside.y);
        }
        Count(what);
        lastClick = screen;
        ClickAt(screen);
    }
    void Drag(const char* what, POINT from, POINT to) {
        Note(std::string(what) + At(from) + " to" + At(to));
        lastClick = to;
        DragFromTo(from, to);
    }
    void Key(const std::string& what, WORD key) {
        char text[32];
        std::snprintf(text, sizeof(text), " (key 0x%02X)", key);
        Tally(what);
        Note(what + text);
        PressKey(key);
    }
    void Chord(const std::string& what, const std::vector<WORD>& modifiers, WORD key) {
        Tally(what);
        Note(what);
        PressChord(modifiers, key);
    }
    // A colour as another program puts it on the clipboard, then Ctrl+V.
    void Paste() {
        char text[8];
        std::snprintf(text, sizeof(text), "#%06X", static_cast<unsigned>(Pick(0, 0xFFFFFF)));
        Tally("paste");
        Note(std::string("paste ") + text);
        PutOnClipboard(std::string(text));
        PressCtrlKey('V');
    }

    void PrintCounts() const {
        std::printf("soak: inputs by kind:\n");
        for (const auto& [kind, count] : counts)
            std::printf("  %-52s %6d\n", kind.c_str(), count);
    }
    void PrintRecent() const {
        for (const std::string& input : recent)
            std::printf("  %s\n", input.c_str());
    }

  private:
    bool NearLastClick(POINT screen) const {
        return std::abs(screen.x - lastClick.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
               std::abs(screen.y - lastClick.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    }

    std::mt19937 random;
    std::deque<std::string> recent;
    std::map<std::string, int> counts;
    POINT lastClick{-100, -100};
};

} // namespace soak
