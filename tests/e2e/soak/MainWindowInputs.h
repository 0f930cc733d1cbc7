#pragma once
// The inputs a restless person gives the main window: clicks and drags anywhere and on its
// panes, sliders, locks, marks and tool buttons, keys of the key table and others, picking
// modes started and ended, colours pasted.
#include "RunningTintra.h"
#include "logic/KeyCommands.h"

namespace soak {

// Buttons a random click must not reach: help opens a viewer; the dialogs have inputs of their
// own, which know what the dialog will do with the clicks that follow.
constexpr int kButtonsNotClicked[] = {IDC_BUTTON_HELP, IDC_BUTTON_COLOR_DIALOG, IDC_BUTTON_OPTIONS,
                                      IDC_BUTTON_ABOUT};
constexpr int kFirstToolButton = IDC_BUTTON_COLOR_DIALOG, kLastToolButton = IDC_BUTTON_TOPMOST;

// Keys beside those of the key table: letters, digits, arrows and editing keys with no
// meaning to the program. Modifiers, Alt and F10 (the window menu) are left out.
inline std::vector<WORD> OtherKeys() {
    std::vector<WORD> keys = {VK_LEFT, VK_RIGHT, VK_UP,    VK_DOWN, VK_TAB,    VK_BACK, VK_DELETE,
                              VK_HOME, VK_END,   VK_PRIOR, VK_NEXT, VK_INSERT, VK_F2,   VK_F5};
    for (WORD key = 'A'; key <= 'Z'; ++key)
        keys.push_back(key);
    for (WORD key = '0'; key <= '9'; ++key)
        keys.push_back(key);
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [](WORD key) { return CommandForKey(key, false).action != KeyAction::None; }),
               keys.end());
    return keys;
}

// Every key the key table knows without Ctrl, except those of the buttons not clicked.
inline std::vector<WORD> TableKeys() {
    std::vector<WORD> keys;
    for (unsigned key = 1; key < 256; ++key) {
        const KeyCommand command = CommandForKey(key, false);
        const bool opensSomething =
            command.action == KeyAction::PanelCommand &&
            (command.argument == kCommandHelp || command.argument == kCommandColorDialog ||
             command.argument == kCommandOptions || command.argument == kCommandAbout);
        if (command.action != KeyAction::None && !opensSomething)
            keys.push_back(static_cast<WORD>(key));
    }
    return keys;
}

class MainWindowInputs {
  public:
    MainWindowInputs(SoakInput& soakInput, RunningTintra& running) : input(soakInput), tintra(running) {}

    void ClickAnywhere() { input.Click("click", AnyPoint()); }
    void ClickPane() { ClickIn("click on a pane", Control(IDC_COLOR_DISPLAY)); }
    void ClickLock() { ClickIn("click on a lock", Control(input.OneOf(kChannels).lockId)); }
    void ClickMark() {
        ClickIn("click on a mark",
                GetDlgItem(tintra.process->InfoPanel(), input.OneOf(kNotationRows).markId));
    }
    void ClickSlider() { ClickIn("click on a slider", Control(input.OneOf(kChannels).sliderId)); }
    void ClickToolButton() {
        ClickIn("click on a tool button", tintra.process->PanelButton(AnyToolButton()));
    }
    void DragThumb() {
        const POINT from = ThumbMiddle(Control(input.OneOf(kChannels).sliderId));
        input.Drag("drag of a thumb", from,
                   InClientArea(POINT{from.x + input.Pick(-10, 10), from.y + input.Pick(-150, 150)}));
    }
    // The end first: a seed given to an earlier run gives the same drags.
    void DragAnywhere() {
        const POINT to = AnyPoint();
        input.Drag("drag", AnyPoint(), to);
    }
    void Paste() { input.Paste(); }
    void TableKey() { input.Key("key of the key table", input.OneOf(tableKeys)); }
    void OtherKey() { input.Key("other key", input.OneOf(otherKeys)); }
    // A picking mode, started by its button or the colour picker by the hotkey, the other one
    // now and then started over it by its key, and then ended by Escape, a pick, a pasted colour
    // or the hotkey.
    void PickingMode() {
        const int start = input.Pick(0, 2);
        const bool zoom = start == 1;
        if (start == 2)
            Hotkey();
        else
            ClickIn("click on a picker", tintra.process->PanelButton(zoom ? IDC_BUTTON_ZOOM : IDC_BUTTON_PICKER));
        if (input.Pick(0, 2) == 0)
            input.Key("the other picker's key", zoom ? 'P' : 'Z');
        const int end = input.Pick(0, 3);
        if (end == 0)
            input.Key("Escape in a picking mode", VK_ESCAPE);
        else if (end == 1)
            input.Click("pick", AnyPoint());
        else if (end == 2)
            input.Paste();
        else
            Hotkey();
    }

  private:
    void Hotkey() { input.Chord("the hotkey", {VK_CONTROL, VK_MENU}, 'P'); }
    HWND Control(int id) const { return tintra.process->Control(id); }
    void ClickIn(const char* what, HWND control) { input.Click(what, input.PointIn(control)); }
    int AnyToolButton() {
        int id;
        do
            id = input.Pick(kFirstToolButton, kLastToolButton);
        while (std::count(std::begin(kButtonsNotClicked), std::end(kButtonsNotClicked), id));
        return id;
    }
    bool OnButtonNotClicked(POINT screen) const {
        return std::any_of(std::begin(kButtonsNotClicked), std::end(kButtonsNotClicked), [&](int id) {
            return win::ScreenRect(tintra.process->PanelButton(id)).Contains(win::ToPixelPoint(screen));
        });
    }
    // Anywhere in the client area but on a button that must not be clicked.
    POINT AnyPoint() {
        POINT screen;
        do
            screen = input.PointIn(tintra.main);
        while (OnButtonNotClicked(screen));
        return screen;
    }
    POINT InClientArea(POINT screen) const {
        const PixelRect client = win::ClientRect(tintra.main);
        const POINT origin = OnScreen(tintra.main, 0, 0);
        return POINT{std::clamp(screen.x, origin.x, origin.x + client.right - 1),
                     std::clamp(screen.y, origin.y, origin.y + client.bottom - 1)};
    }

    SoakInput& input;
    RunningTintra& tintra;
    const std::vector<WORD> tableKeys = TableKeys();
    const std::vector<WORD> otherKeys = OtherKeys();
};

} // namespace soak
