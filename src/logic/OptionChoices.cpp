#include "OptionChoices.h"

#include "Language.h"
#include "Loupe.h"

#include <iterator>

namespace {

constexpr int kSampleChoiceCount = static_cast<int>(std::size(kSampleSides));

bool IsPosition(int position, int count) {
    return position >= 0 && position < count;
}

// The first position whose entry is the value; a value no entry has shows as the first.
template <typename ValueAt> int PositionOf(int value, int count, ValueAt valueAt) {
    for (int position = 0; position < count; ++position)
        if (valueAt(position) == value)
            return position;
    return 0;
}

} // namespace

int PaneCountAt(int position) {
    return IsPosition(position, kPaneChoiceCount) ? kPaneGrids[position].count : 1;
}

int PanePositionOf(int count) {
    return PositionOf(count, kPaneChoiceCount, PaneCountAt);
}

std::wstring PaneChoiceText(int position) {
    return IsPosition(position, kPaneChoiceCount) ? std::to_wstring(kPaneGrids[position].count)
                                                  : std::wstring();
}

int SampleSideAt(int position) {
    return IsPosition(position, kSampleChoiceCount) ? kSampleSides[position] : 1;
}

int SamplePositionOf(int side) {
    return PositionOf(side, kSampleChoiceCount, SampleSideAt);
}

std::wstring SampleChoiceText(int position) {
    if (!IsPosition(position, kSampleChoiceCount))
        return {};
    const int side = kSampleSides[position];
    if (side == 1)
        return Localized(L"1 pixel", L"1 пиксель");
    const std::wstring square = std::to_wstring(side) + L" \u00D7 " + std::to_wstring(side);
    return IsRussian() ? L"Среднее " + square : square + L" average";
}
