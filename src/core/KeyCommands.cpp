#include "KeyCommands.h"

KeyCommand CommandForKey(unsigned virtualKey) {
    for (const KeyBinding& binding : kKeyBindings)
        if (binding.key == virtualKey)
            return binding.command;
    return {KeyAction::None, 0};
}
