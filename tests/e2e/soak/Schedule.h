#pragma once
// Which kind of input comes next: each kind with its share of a thousand, the dialogs rare,
// since each visit is many inputs.
#include "AboutDialogVisit.h"
#include "ColorDialogVisit.h"
#include "MainWindowInputs.h"
#include "OptionsDialogVisit.h"

#include <functional>

namespace soak {

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

} // namespace soak
