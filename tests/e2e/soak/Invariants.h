#pragma once
// What must hold whatever the input was: the picking modes agree after every input, and after
// every batch the program answers and its sliders, rows, marks and panes tell one story.
#include "RunningTintra.h"

namespace soak {

class Invariants {
  public:
    Invariants(SoakInput& soakInput, RunningTintra& running) : input(soakInput), tintra(running) {}

    // The picking modes as seen from outside: the main window holds the mouse exactly while a
    // picker waits, that is while the picker's button is down, or the zoom button with no
    // magnified view; the view shows only while the zoom button is down and the picker's up;
    // the system cursors are replaced (the marker names the process) exactly while the mouse
    // is held; the loupe shows exactly while it is held with the loupe on, and is never the
    // active window. The program may still be taking the input in, so it is read again until it
    // agrees or the time is up.
    std::string PickingDisagreement() const {
        std::string state;
        const bool agree = WaitFor(
            [&] {
                const bool picker = tintra.pickers->picker.State() & STATE_SYSTEM_PRESSED;
                const bool zoom = tintra.pickers->zoom.State() & STATE_SYSTEM_PRESSED;
                const bool view = tintra.pickers->display.Role() == ROLE_SYSTEM_GRAPHIC;
                const bool held = tintra.process->HoldsMouse();
                const HWND loupe = ShownLoupe(tintra.main);
                const bool replaced = ReadSetting(kCursorMarker) ==
                                      static_cast<long long>(GetProcessId(tintra.process->Handle()));
                state = std::string("picker button ") + (picker ? "down" : "up") + ", zoom button " +
                        (zoom ? "down" : "up") + ", view " + (view ? "shown" : "not shown") + ", mouse " +
                        (held ? "held" : "free") + ", cursors " + (replaced ? "replaced" : "the user's") +
                        ", loupe " + (loupe ? "shown" : "not shown") +
                        (loupe && GetForegroundWindow() == loupe ? " and active" : "");
                return held == (picker || (zoom && !view)) && !(view && (!zoom || picker)) &&
                       replaced == held && (loupe != nullptr) == (held && tintra.choices.loupe) &&
                       !(loupe && GetForegroundWindow() == loupe);
            },
            kSettleTimeoutMs);
        return agree ? std::string() : "the picking modes disagree: " + state;
    }

    // The empty text when everything holds after a batch, otherwise what is wrong.
    std::string BrokenInvariant() {
        if (!tintra.Answers(kAnswerTimeoutMs, SMTO_NORMAL | SMTO_ABORTIFHUNG))
            return "the main window did not answer within a second";
        // Escape ends every picking mode: the program lets the mouse go.
        if (!WaitFor([&] { return GetForegroundWindow() == tintra.main; }, kEffectTimeoutMs))
            return "the main window is not in front";
        input.Key("Escape to end any picking mode", VK_ESCAPE);
        if (!WaitFor([&] { return CaptureOf(tintra.process->UiThread()) == nullptr; }, kEffectTimeoutMs))
            return "a picking mode is still waiting after Escape";
        // The pointer rests off the window, so no tip covers what is read from the screen.
        MoveMouseTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 20, GetSystemMetrics(SM_CYSCREEN) - 20});
        // The program may still be handling the last input, so the whole picture is read
        // again until it holds together or the time is up.
        std::string problem;
        WaitFor([&] { return (problem = ConsistencyProblem()).empty(); }, kSettleTimeoutMs);
        if (tintra.colourKeptApart != tintra.SliderColor())
            tintra.colourKeptApart.reset();
        return problem;
    }

  private:
    bool RowsShow(ColorRef color) const {
        return std::all_of(std::begin(kNotationRows), std::end(kNotationRows), [&](const NotationRow& row) {
            return tintra.process->InfoText(row.valueId) == NotationText(row.notation, color);
        });
    }
    int MarksSet() const {
        return static_cast<int>(
            std::count_if(std::begin(kNotationRows), std::end(kNotationRows),
                          [&](const NotationRow& row) { return tintra.process->MarkIsSet(row.markId); }));
    }
    // Panes whose frame shows the active colour, and the colour inside the last of them.
    int ActivePanes(ColorRef* inside) const {
        int active = 0;
        for (const auto& [colour, isActive] : tintra.PanesShown())
            if (isActive) {
                ++active;
                *inside = win::ToColorRef(colour);
            }
        return active;
    }

    // The sliders, the five rows and the active pane must show one colour; one mark, one pane.
    std::string ConsistencyProblem() const {
        const ColorRef color = tintra.SliderColor();
        if (!RowsShow(color))
            return "the rows (RGB " + Utf8(tintra.process->InfoText(IDC_VALUE_RGB)) +
                   ") differ from the sliders (" + RgbText(color) + ")";
        if (const int marks = MarksSet(); marks != 1)
            return std::to_string(marks) + " notation marks are set";
        ColorRef inside{};
        if (const int active = ActivePanes(&inside); active != 1)
            return std::to_string(active) + " of " + std::to_string(tintra.choices.panes) +
                   " panes are active";
        if (inside != color && color != tintra.colourKeptApart)
            return "the active pane shows " + RgbText(inside) + ", the sliders " + RgbText(color);
        return {};
    }

    SoakInput& input;
    RunningTintra& tintra;
};

} // namespace soak
