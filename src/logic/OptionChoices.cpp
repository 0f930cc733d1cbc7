#include "OptionChoices.h"

namespace {

bool IsPosition(int position) {
    return position >= 0 && position < kPaneChoiceCount;
}

} // namespace

int PaneCountAt(int position) {
    return IsPosition(position) ? kPaneGrids[position].count : 1;
}

int PanePositionOf(int count) {
    for (int position = 0; position < kPaneChoiceCount; ++position)
        if (kPaneGrids[position].count == count)
            return position;
    return 0;
}

std::wstring PaneChoiceText(int position) {
    return IsPosition(position) ? std::to_wstring(kPaneGrids[position].count) : std::wstring();
}
