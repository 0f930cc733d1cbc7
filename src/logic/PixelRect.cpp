#include "PixelRect.h"

#include <algorithm>

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
    const PixelRect overlap{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                            std::min(a.bottom, b.bottom)};
    return overlap.IsEmpty() ? PixelRect{} : overlap;
}
