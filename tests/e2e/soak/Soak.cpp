// Uses a running Tintra the way a restless person would, with random input from a seeded
// generator, and checks after every batch that the program is still sound. It also goes
// through the colour, options and about dialogs, ends the program in the three ways a session
// ends it (closed, logged off, killed while a picking mode waits) and watches its memory.
//   soak [--inputs N] [--seed S]
// It runs at the screen's DPI, and reads and clicks physical pixels there.
// A failure prints the seed and the last inputs, so that the run can be given again.
// The parts, each in its own header: SoakInput (the generator and the inputs given),
// RunningTintra (what the program shows), MainWindowInputs and the three dialog visits,
// Invariants, ProcessEnds and MemoryWatch; here, which input comes next and the run.
#include "AboutDialogVisit.h"
#include "ColorDialogVisit.h"
#include "Invariants.h"
#include "MainWindowInputs.h"
#include "OptionsDialogVisit.h"
#include "ProcessEnds.h"

#include <chrono>
#include <cwchar>
#include <functional>

namespace {

using namespace soak;

// Which kind of input comes next: each kind with its share of a thousand, the dialogs rare,
// since each visit is many inputs.
class Schedule {
  public:
    Schedule(SoakInput& soakInput, RunningTintra& running)
        : input(soakInput), mainWindow(soakInput, running), colorDialog(soakInput, running),
          options(soakInput, running), about(soakInput, running) {}
    Schedule(const Schedule&) = delete;
    Schedule& operator=(const Schedule&) = delete;

    // The empty text, or what went wrong with an input whose effect is awaited.
    std::string GiveOne() {
        int share = input.Pick(0, 999);
        for (const Kind& kind : kinds) {
            if (share < kind.share) {
                if (kind.name)
                    input.Tally(kind.name);
                return kind.give();
            }
            share -= kind.share;
        }
        return {};
    }

  private:
    // Kinds without a name are counted by the inputs they give.
    struct Kind {
        int share;
        const char* name;
        std::function<std::string()> give;
    };
    std::function<std::string()> Main(void (MainWindowInputs::*give)()) {
        return [this, give] {
            (mainWindow.*give)();
            return std::string();
        };
    }

    SoakInput& input;
    MainWindowInputs mainWindow;
    ColorDialogVisit colorDialog;
    OptionsDialogVisit options;
    AboutDialogVisit about;
    const std::vector<Kind> kinds = {
        {200, "click anywhere", Main(&MainWindowInputs::ClickAnywhere)},
        {100, "click on a pane", Main(&MainWindowInputs::ClickPane)},
        {70, "click on a lock", Main(&MainWindowInputs::ClickLock)},
        {70, "click on a mark", Main(&MainWindowInputs::ClickMark)},
        {60, "click on a slider", Main(&MainWindowInputs::ClickSlider)},
        {100, "drag of a thumb", Main(&MainWindowInputs::DragThumb)},
        {50, "drag anywhere", Main(&MainWindowInputs::DragAnywhere)},
        {70, "click on a tool button", Main(&MainWindowInputs::ClickToolButton)},
        {110, nullptr, Main(&MainWindowInputs::TableKey)},
        {70, nullptr, Main(&MainWindowInputs::OtherKey)},
        {50, "picking mode", Main(&MainWindowInputs::PickingMode)},
        {10, nullptr, Main(&MainWindowInputs::Paste)},
        {15, nullptr, [this] { return colorDialog.Run(); }},
        {15, nullptr, [this] { return options.Run(); }},
        {10, nullptr, [this] { return about.Run(); }},
    };
};

class Soak {
  public:
    Soak(unsigned runSeed, int runInputs)
        : seed(runSeed), inputs(runInputs), input(runSeed), tintra(ScreenDpi()), schedule(input, tintra),
          invariants(input, tintra), ends(input, tintra, runInputs) {}

    int Run() {
        const auto start = std::chrono::steady_clock::now();
        ClearSettings();
        RemoveStartupEntries();
        tintra.saved = StoredSettings(0);
        if (const std::string problem = ends.Start(); !problem.empty())
            return Fail(0, problem);
        for (int done = 1; done <= inputs; ++done) {
            given = done;
            ends.CountInput();
            if (const std::string problem = GiveOneInput(); !problem.empty())
                return Fail(done, problem);
            if (!tintra.process->IsRunning())
                return Fail(done,
                            "the process ended with exit code " + std::to_string(tintra.process->ExitCode()));
            if (done % kBatch != 0 && done != inputs)
                continue;
            if (const std::string broken = invariants.BrokenInvariant(); !broken.empty())
                return Fail(done, broken);
            if (ends.AfterBatch() && done != inputs)
                if (const std::string problem = ends.EndAndStartAgain(); !problem.empty())
                    return Fail(done, problem);
        }
        if (const std::string problem = ends.Finish(); !problem.empty())
            return Fail(inputs, problem);
        ClearSettings();
        RemoveStartupEntries();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        input.PrintCounts();
        ends.PrintSummary();
        std::printf("soak: %d inputs, %d processes, %.0f s at %d DPI, every invariant held; seed %u\n",
                    inputs, ends.Processes(), seconds, tintra.dpi, seed);
        return 0;
    }

    int Fail(int at, const std::string& what) const {
        std::printf("soak: FAILED after %d inputs: %s\nsoak: seed %u; the last inputs, oldest first:\n", at,
                    what.c_str(), seed);
        input.PrintRecent();
        input.PrintCounts();
        return 1;
    }
    int Given() const { return given; }

  private:
    std::string GiveOneInput() {
        const std::string problem = schedule.GiveOne();
        // Paces the input to the program: it has handled what came before this answer.
        tintra.Answers(kAnswerTimeoutMs);
        return problem.empty() ? invariants.PickingDisagreement() : problem;
    }

    unsigned seed;
    int inputs;
    SoakInput input;
    RunningTintra tintra;
    Schedule schedule;
    Invariants invariants;
    ProcessEnds ends;
    int given = 0;
};

const Soak* running = nullptr;

// A fault in the driver itself still names the seed and the inputs that led to it.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    if (running) {
        char what[64];
        std::snprintf(what, sizeof(what), "the soak driver crashed (exception 0x%08lX)",
                      exception->ExceptionRecord->ExceptionCode);
        running->Fail(running->Given(), what);
    }
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    int inputs = 10000;
    unsigned seed = std::random_device{}();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring option = argv[i];
        if (option == L"--inputs")
            inputs = std::wcstol(argv[i + 1], nullptr, 10);
        else if (option == L"--seed")
            seed = static_cast<unsigned>(std::wcstoul(argv[i + 1], nullptr, 10));
    }
    // Physical pixels, as the program reads and draws them: an unaware process would be handed
    // coordinates scaled to 96 DPI.
    SetProcessDPIAware();
    // Unbuffered, so that nothing printed is lost whichever way the run ends.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::printf("soak: %d inputs, seed %u, %d DPI\n", inputs, seed, ScreenDpi());
    Soak soak(seed, inputs);
    running = &soak;
    SetUnhandledExceptionFilter(ReportCrash);
    return soak.Run();
}
