#include "KeyCommands.h"

KeyCommand CommandForKey(unsigned virtualKey, bool control) {
    for (const KeyBinding& binding : kKeyBindings)
        if (binding.key == virtualKey && (control || !binding.control))
            return binding.command;
    return {KeyAction::None, 0};
}

bool RunsOnRepeat(const KeyCommand& command) {
    return !(command.action == KeyAction::PanelCommand && command.argument == kCommandCopy);
}
