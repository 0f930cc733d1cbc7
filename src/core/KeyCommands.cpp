#include "KeyCommands.h"

namespace {

struct KeyRow {
    unsigned key;
    KeyCommand command;
};

constexpr unsigned kVkReturn = 0x0D, kVkEscape = 0x1B, kVkSpace = 0x20, kVkF1 = 0x70, kVkNumpad1 = 0x61;

constexpr KeyRow kKeys[] = {
    {'C', {KeyAction::SetNotation, static_cast<int>(ColorNotation::Colref)}},
    {'R', {KeyAction::SetNotation, static_cast<int>(ColorNotation::Rgb)}},
    {'H', {KeyAction::SetNotation, static_cast<int>(ColorNotation::Hex)}},
    {'B', {KeyAction::SetNotation, static_cast<int>(ColorNotation::Hsb)}},
    {'M', {KeyAction::SetNotation, static_cast<int>(ColorNotation::Cmyk)}},
    {'1', {KeyAction::FlipLock, 0}},
    {'2', {KeyAction::FlipLock, 1}},
    {'3', {KeyAction::FlipLock, 2}},
    {kVkNumpad1, {KeyAction::FlipLock, 0}},
    {kVkNumpad1 + 1, {KeyAction::FlipLock, 1}},
    {kVkNumpad1 + 2, {KeyAction::FlipLock, 2}},
    {kVkEscape, {KeyAction::CancelPicking, 0}},
    {kVkReturn, {KeyAction::Copy, 0}},
    {kVkSpace, {KeyAction::Copy, 0}},
    {kVkF1, {KeyAction::Help, 0}},
};

} // namespace

KeyCommand CommandForKey(unsigned virtualKey) {
    for (const KeyRow& row : kKeys)
        if (row.key == virtualKey)
            return row.command;
    return {KeyAction::None, 0};
}
