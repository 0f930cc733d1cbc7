#include "PickingKeys.h"

#include "KeyCommands.h"

#include <algorithm>

namespace {

constexpr unsigned kVkAdd = 0x6B, kVkSubtract = 0x6D, kVkOemPlus = 0xBB, kVkOemMinus = 0xBD;

struct PickingBinding {
    unsigned key;
    PickingKey meaning;
};

constexpr PickingBinding kPickingBindings[] = {
    {kVkLeft, {PickingAction::MovePointer, -1, 0}},  {kVkRight, {PickingAction::MovePointer, 1, 0}},
    {kVkUp, {PickingAction::MovePointer, 0, -1}},    {kVkDown, {PickingAction::MovePointer, 0, 1}},
    {kVkReturn, {PickingAction::Pick, 0, 0}},        {kVkSpace, {PickingAction::Pick, 0, 0}},
    {kVkAdd, {PickingAction::StepZoom, 1, 0}},       {kVkOemPlus, {PickingAction::StepZoom, 1, 0}},
    {kVkSubtract, {PickingAction::StepZoom, -1, 0}}, {kVkOemMinus, {PickingAction::StepZoom, -1, 0}},
};

} // namespace

PickingKey PickingKeyFor(unsigned virtualKey, bool shift) {
    for (const PickingBinding& binding : kPickingBindings) {
        if (binding.key != virtualKey)
            continue;
        PickingKey key = binding.meaning;
        if (key.action == PickingAction::MovePointer && shift) {
            key.dx *= kShiftedSteps;
            key.dy *= kShiftedSteps;
        }
        return key;
    }
    return {PickingAction::None, 0, 0};
}

PixelPoint MovedPointer(PixelPoint pointer, int dx, int dy, const PixelRect& screen) {
    if (screen.IsEmpty())
        return pointer;
    return {std::clamp(pointer.x + dx, screen.left, screen.right - 1),
            std::clamp(pointer.y + dy, screen.top, screen.bottom - 1)};
}
