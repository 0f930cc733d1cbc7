#pragma once
#include "Color.h"

// What a key does in the main window, whichever window has the focus.
enum class KeyAction { None, SetNotation, FlipLock, CancelPicking, Copy, Help };

struct KeyCommand {
    KeyAction action;
    int argument; // the notation, or the channel of the lock
};

struct KeyBinding {
    unsigned key; // virtual-key code
    KeyCommand command;
};

constexpr unsigned kVkReturn = 0x0D, kVkEscape = 0x1B, kVkSpace = 0x20, kVkF1 = 0x70, kVkNumpad1 = 0x61;

// Every key the main window answers; the help's key page describes each of them.
inline constexpr KeyBinding kKeyBindings[] = {
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

KeyCommand CommandForKey(unsigned virtualKey);

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
