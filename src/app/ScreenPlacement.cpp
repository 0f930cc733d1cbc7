#include "ScreenPlacement.h"

#include <algorithm>

bool CaptionReachable(int x, int y, int width, int captionHeight, const std::vector<ScreenRect>& workAreas) {
    // Wide arithmetic: a stored position may lie anywhere in the int range.
    const long long left = x, top = y, right = left + width, bottom = top + captionHeight;
    return std::any_of(workAreas.begin(), workAreas.end(), [&](const ScreenRect& area) {
        return std::max<long long>(left, area.left) < std::min<long long>(right, area.right) &&
               std::max<long long>(top, area.top) < std::min<long long>(bottom, area.bottom);
    });
}
