#include "PictureRoom.h"

#include <algorithm>
#include <numeric>

namespace {

bool SpansMeet(int start1, int end1, int start2, int end2) {
    return start1 < end2 && start2 < end1;
}

// How far the picture reaches past its place, to the right and below.
int GrowthX(const DialogPart& part) {
    return part.isPicture ? std::max(0, part.pictureWidth - part.rect.Width()) : 0;
}
int GrowthY(const DialogPart& part) {
    return part.isPicture ? std::max(0, part.pictureHeight - part.rect.Height()) : 0;
}

// Parts in order of their edge, so that a picture's own shift is known before the parts it
// pushes: `before(a, b)` says that a may push b.
template <typename Edge, typename Pushes, typename Growth>
std::vector<int> Shifts(const std::vector<DialogPart>& parts, Edge edge, Pushes pushes, Growth growth) {
    std::vector<size_t> order(parts.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return edge(parts[a].rect) < edge(parts[b].rect); });
    std::vector<int> shift(parts.size(), 0);
    for (size_t pushed : order)
        for (size_t i = 0; i < parts.size(); ++i)
            if (i != pushed && parts[i].isPicture && pushes(parts[i].rect, parts[pushed].rect))
                shift[pushed] = std::max(shift[pushed], shift[i] + growth(parts[i]));
    return shift;
}

} // namespace

DialogRoom RoomForPictures(const std::vector<DialogPart>& parts, int clientWidth, int clientHeight) {
    const std::vector<int> shiftX = Shifts(
        parts, [](const PixelRect& rect) { return rect.left; },
        [](const PixelRect& picture, const PixelRect& part) {
            return part.left >= picture.right &&
                   SpansMeet(picture.top, picture.bottom, part.top, part.bottom);
        },
        GrowthX);
    const std::vector<int> shiftY = Shifts(
        parts, [](const PixelRect& rect) { return rect.top; },
        [](const PixelRect& picture, const PixelRect& part) { return part.top >= picture.bottom; }, GrowthY);

    DialogRoom room{{}, clientWidth, clientHeight};
    int templateRight = 0, templateBottom = 0;
    for (size_t j = 0; j < parts.size(); ++j) {
        const DialogPart& part = parts[j];
        PixelRect rect{part.rect.left + shiftX[j], part.rect.top + shiftY[j], part.rect.right + shiftX[j],
                       part.rect.bottom + shiftY[j]};
        if (part.isPicture) {
            rect.right = std::max(rect.right, rect.left + part.pictureWidth);
            rect.bottom = std::max(rect.bottom, rect.top + part.pictureHeight);
        }
        // A part that holds a picture keeps its margins around it.
        for (size_t i = 0; i < parts.size(); ++i) {
            if (i == j || !parts[i].isPicture || part.isPicture || !part.rect.Holds(parts[i].rect))
                continue;
            rect.right = std::max(rect.right, parts[i].rect.left + shiftX[i] + parts[i].pictureWidth +
                                                  (part.rect.right - parts[i].rect.right));
            rect.bottom = std::max(rect.bottom, parts[i].rect.top + shiftY[i] + parts[i].pictureHeight +
                                                    (part.rect.bottom - parts[i].rect.bottom));
        }
        room.rects.push_back(rect);
        templateRight = std::max(templateRight, part.rect.right);
        templateBottom = std::max(templateBottom, part.rect.bottom);
    }
    const int rightMargin = std::max(0, clientWidth - templateRight);
    const int bottomMargin = std::max(0, clientHeight - templateBottom);
    for (const PixelRect& rect : room.rects) {
        room.clientWidth = std::max(room.clientWidth, rect.right + rightMargin);
        room.clientHeight = std::max(room.clientHeight, rect.bottom + bottomMargin);
    }
    return room;
}
