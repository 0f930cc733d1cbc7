#pragma once
// The ends of a process: a start that must show what the last clean close stored, and the three
// ways a session ends a program (closed, logged off, killed while a picking mode waits).
#include "MemoryWatch.h"

namespace soak {

// A process lives between a start and one of the three ends for this share of the run at
// least, and for twice as much at most, so that its memory is watched over many inputs.
constexpr int kLifeShare = 8;

class ProcessEnds {
  public:
    ProcessEnds(SoakInput& soakInput, RunningTintra& running, int runInputs)
        : input(soakInput), tintra(running), lifeInputs(std::max(kBatch, runInputs / kLifeShare)),
          memory(std::min(kWarmInputs, std::max(kBatch, runInputs / kLifeShare / 2))) {}

    std::string Start() {
        tintra.process = std::make_unique<TintraProcess>();
        if (!tintra.process->Start())
            return "Tintra did not start";
        tintra.main = tintra.process->MainWindow();
        tintra.pickers = std::make_unique<PickerReaders>(*tintra.process);
        ++processes;
        processInputs = 0;
        lifeQuota = input.Pick(lifeInputs, 2 * lifeInputs);
        memory.Restart();
        tintra.dialogsOpened.clear();
        tintra.choices = Choices::From(tintra.saved);
        // The cursors a killed run left replaced are put back before the window shows.
        if (!WaitFor([] { return ReadSetting(kCursorMarker) == -1; }, kEffectTimeoutMs))
            return "the start left the marker of replaced system cursors";
        std::string problem;
        if (!WaitFor([&] { return (problem = tintra.ShowsStoredSettings()).empty(); }, kSettleTimeoutMs))
            return "the new start does not show the settings of the last clean close: " + problem;
        return {};
    }

    void CountInput() { ++processInputs; }
    // After a batch: the figures taken, and whether the process has had its share of the run.
    bool AfterBatch() {
        memory.Take(tintra, processes, processInputs);
        return processInputs >= lifeQuota;
    }

    // One of the three ends, then a new start that must show what the last clean close saved.
    std::string EndAndStartAgain() {
        if (endings.empty()) {
            endings = {0, 1, 2};
            std::shuffle(endings.begin(), endings.end(), input.Generator());
        }
        const int ending = endings.back();
        endings.pop_back();
        std::string problem = memory.AtEnd(tintra, processes, processInputs);
        if (problem.empty())
            problem = ending == 0 ? CleanClose() : ending == 1 ? EndSession() : KillWhilePicking();
        return problem.empty() ? Start() : problem;
    }

    // The run's last end: a clean close, and the last process's memory.
    std::string Finish() {
        const std::string problem = CleanClose();
        return problem.empty() ? memory.AtEnd(tintra, processes, processInputs) : problem;
    }
    void PrintSummary() const { memory.PrintSummary(processes); }
    int Processes() const { return processes; }

  private:
    std::string CleanClose() {
        input.Count("end: close");
        const Settings shown = tintra.ShownSettings();
        const long long exitCode = tintra.process->CloseAndWait();
        if (exitCode != 0)
            return "closing ended with exit code " + std::to_string(exitCode);
        if (ReadSetting(kCursorMarker) != -1)
            return "a clean close left the marker of replaced system cursors";
        return SavedAsShown(shown, "a clean close");
    }

    // The settings an end saved are those the window showed, and start with Windows is entered
    // or taken out with them.
    std::string SavedAsShown(const Settings& shown, const std::string& end) {
        tintra.saved = StoredSettings(tintra.choices.panes);
        if (const std::string wrong = Difference(tintra.saved, shown); !wrong.empty())
            return "after " + end + " " + wrong + " as the window showed";
        if ((StartupEntry(HKEY_CURRENT_USER) != L"<none>") != tintra.choices.autostart)
            return tintra.choices.autostart ? "start with Windows is chosen, but the program is not entered"
                                            : "start with Windows is not chosen, but the program is entered";
        return {};
    }

    // Logoff: the program saves on WM_ENDSESSION, and the system then ends it.
    std::string EndSession() {
        input.Count("end: WM_ENDSESSION");
        const Settings shown = tintra.ShownSettings();
        tintra.Answers(kEffectTimeoutMs, SMTO_NORMAL, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
        if (!tintra.Answers(kEffectTimeoutMs, SMTO_NORMAL, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF))
            return "WM_ENDSESSION was not answered within five seconds";
        if (const std::string problem = SavedAsShown(shown, "WM_ENDSESSION"); !problem.empty())
            return problem;
        if (!tintra.process->IsRunning() && tintra.process->ExitCode() != 0)
            return "the process ended on WM_ENDSESSION with exit code " +
                   std::to_string(tintra.process->ExitCode());
        tintra.process->Kill();
        return {};
    }

    // Killed while a picking mode holds the replaced cursors: nothing is saved, and the next
    // start restores the user's cursors.
    std::string KillWhilePicking() {
        const bool zoom = input.Pick(0, 1) != 0;
        input.Count(zoom ? "end: killed while the zoomed picker waits"
                         : "end: killed while the picker waits");
        const HWND button = tintra.process->PanelButton(zoom ? IDC_BUTTON_ZOOM : IDC_BUTTON_PICKER);
        input.Click("click on a picker", input.PointIn(button), true);
        const long long processId = GetProcessId(tintra.process->Handle());
        if (!WaitFor([&] { return tintra.process->HoldsMouse() && ReadSetting(kCursorMarker) == processId; },
                     kEffectTimeoutMs))
            return "one click on a picker button did not start its mode with the cursors replaced";
        input.Note("kill");
        tintra.process->Kill();
        if (const std::string wrong = Difference(tintra.StoredNow(), tintra.saved); !wrong.empty())
            return "a killed run changed the stored settings: " + wrong;
        if (ReadSetting(kCursorMarker) != processId)
            return "the marker of replaced system cursors is gone although the run was killed";
        return {};
    }

    SoakInput& input;
    RunningTintra& tintra;
    const int lifeInputs;
    MemoryWatch memory;
    std::vector<int> endings;
    int lifeQuota = 0;
    int processInputs = 0;
    int processes = 0;
};

} // namespace soak
