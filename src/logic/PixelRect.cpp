#include "PixelRect.h"

#include <algorithm>

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
    const PixelRect overlap{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                            std::min(a.bottom, b.bottom)};
    return overlap.IsEmpty() ? PixelRect{} : overlap;
}

PixelRect Bounding(const PixelRect& a, const PixelRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

PixelRect Grown(const PixelRect& rect, int by) {
    return {rect.left - by, rect.top - by, rect.right + by, rect.bottom + by};
}

int HeldInside(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}
