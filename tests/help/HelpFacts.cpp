// Prints what the help must describe, from the program's own tables, for check_chm.py:
//   key <virtual-key code> [ctrl]               one line per key of the key table
//   tip <English tooltip> <TAB> <Russian tooltip> one line per tool-panel button
#include "logic/KeyCommands.h"
#include "logic/ToolButtonTips.h"

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
    std::string out;
    for (; *text; ++text) {
        const auto c = static_cast<unsigned long>(*text);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

int main() {
    for (const KeyBinding& binding : kKeyBindings)
        std::printf("key\t0x%02X%s\n", binding.key, binding.control ? "\tctrl" : "");
    for (const ToolButtonTip& tip : kToolButtonTips)
        std::printf("tip\t%s\t%s\n", Utf8(tip.english).c_str(), Utf8(tip.russian).c_str());
    return 0;
}
