#pragma once
#include "Color.h"

// What a key does in the main window, whichever window has the focus.
enum class KeyAction { None, SetNotation, FlipLock, CancelPicking, PanelCommand, Paste };

struct KeyCommand {
    KeyAction action;
    int argument; // the notation, the channel of the lock, or the tool panel's command
};

// The tool panel's command numbers, as posted in WM_PANEL_COMMAND.
enum PanelCommand : int {
    kCommandColorDialog = 1,
    kCommandPicker = 2,
    kCommandZoomPicker = 3,
    kCommandCopy = 4,
    kCommandOptions = 5,
    kCommandAbout = 6,
    kCommandTopmost = 7,
    kCommandHelp = 8,
};

struct KeyBinding {
    unsigned key; // virtual-key code
    bool control; // only with Ctrl held
    KeyCommand command;
};

constexpr unsigned kVkReturn = 0x0D, kVkEscape = 0x1B, kVkSpace = 0x20, kVkF1 = 0x70, kVkNumpad1 = 0x61;

// Every key the main window answers; the help's key page describes each of them. The rows
// with Ctrl come first, so that they win over the same key without it.
inline constexpr KeyBinding kKeyBindings[] = {
    {'C', true, {KeyAction::PanelCommand, kCommandCopy}},
    {'V', true, {KeyAction::Paste, 0}},
    {'C', false, {KeyAction::SetNotation, static_cast<int>(ColorNotation::Colref)}},
    {'R', false, {KeyAction::SetNotation, static_cast<int>(ColorNotation::Rgb)}},
    {'H', false, {KeyAction::SetNotation, static_cast<int>(ColorNotation::Hex)}},
    {'B', false, {KeyAction::SetNotation, static_cast<int>(ColorNotation::Hsb)}},
    {'M', false, {KeyAction::SetNotation, static_cast<int>(ColorNotation::Cmyk)}},
    {'1', false, {KeyAction::FlipLock, 0}},
    {'2', false, {KeyAction::FlipLock, 1}},
    {'3', false, {KeyAction::FlipLock, 2}},
    {kVkNumpad1, false, {KeyAction::FlipLock, 0}},
    {kVkNumpad1 + 1, false, {KeyAction::FlipLock, 1}},
    {kVkNumpad1 + 2, false, {KeyAction::FlipLock, 2}},
    {kVkEscape, false, {KeyAction::CancelPicking, 0}},
    {kVkReturn, false, {KeyAction::PanelCommand, kCommandCopy}},
    {kVkSpace, false, {KeyAction::PanelCommand, kCommandCopy}},
    {kVkF1, false, {KeyAction::PanelCommand, kCommandHelp}},
    {'D', false, {KeyAction::PanelCommand, kCommandColorDialog}},
    {'P', false, {KeyAction::PanelCommand, kCommandPicker}},
    {'Z', false, {KeyAction::PanelCommand, kCommandZoomPicker}},
    {'O', false, {KeyAction::PanelCommand, kCommandOptions}},
    {'A', false, {KeyAction::PanelCommand, kCommandAbout}},
    {'T', false, {KeyAction::PanelCommand, kCommandTopmost}},
};

// Ctrl+C and Ctrl+V copy and paste, as in every program; with any other key Ctrl makes no
// difference.
KeyCommand CommandForKey(unsigned virtualKey, bool control);
// Whether the key's auto-repeat, while it is held, runs the command again: a held Enter must not
// copy over what the user put on the clipboard since.
bool RunsOnRepeat(const KeyCommand& command);
