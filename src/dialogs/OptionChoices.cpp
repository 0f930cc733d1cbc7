#include "OptionChoices.h"

#include "../ui/Theme.h"

namespace {

constexpr int kPaneChoices[kPaneChoiceCount] = {1, 2, 4, 6, 9};
constexpr const wchar_t* kPaneChoiceTexts[kPaneChoiceCount] = {L"1", L"2", L"4", L"6", L"9"};

bool IsPosition(int position) {
    return position >= 0 && position < kPaneChoiceCount;
}

} // namespace

int PaneCountAt(int position) {
    return IsPosition(position) ? kPaneChoices[position] : 1;
}

int PanePositionOf(int count) {
    for (int position = 0; position < kPaneChoiceCount; ++position)
        if (kPaneChoices[position] == count)
            return position;
    return 0;
}

const wchar_t* PaneChoiceText(int position) {
    return IsPosition(position) ? kPaneChoiceTexts[position] : L"";
}

int ThemeButtonOf(int theme) {
    return theme >= 2 && theme <= kThemeCount ? theme - 1 : 0;
}
