#include "ScreenPlacement.h"

#include <algorithm>
#include <limits>

namespace {

// A stored position may lie anywhere in the int range: the far edge stops at the range's end.
int FarEdge(int start, int length) {
    const long long edge = static_cast<long long>(start) + length;
    return static_cast<int>(
        std::clamp<long long>(edge, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

bool CaptionReachable(int x, int y, int width, int captionHeight, const std::vector<PixelRect>& workAreas) {
    const PixelRect caption{x, y, FarEdge(x, width), FarEdge(y, captionHeight)};
    const int grabWidth = std::min(2 * captionHeight, width);
    const int grabHeight = (captionHeight + 1) / 2;
    return std::any_of(workAreas.begin(), workAreas.end(), [&](const PixelRect& area) {
        const PixelRect shown = Intersect(caption, area);
        return !shown.IsEmpty() && shown.Width() >= grabWidth && shown.Height() >= grabHeight;
    });
}
