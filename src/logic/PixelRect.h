#pragma once
// Places and rectangles in pixels: on the screen, in a window's client area, or in the layout.

struct PixelPoint {
    int x;
    int y;
    bool operator==(const PixelPoint& other) const { return x == other.x && y == other.y; }
};

// Right and bottom are exclusive.
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;

    int Width() const { return right > left ? right - left : 0; }
    int Height() const { return bottom > top ? bottom - top : 0; }
    bool IsEmpty() const { return Width() == 0 || Height() == 0; }
    bool Contains(PixelPoint point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    bool Holds(const PixelRect& inner) const {
        return inner.left >= left && inner.top >= top && inner.right <= right && inner.bottom <= bottom;
    }
    bool operator==(const PixelRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

// The pixels two rectangles share; empty (all zero) when they do not meet.
PixelRect Intersect(const PixelRect& a, const PixelRect& b);
// The smallest rectangle that holds both.
PixelRect Bounding(const PixelRect& a, const PixelRect& b);
// Larger by that many pixels on every side; smaller for a negative number.
PixelRect Grown(const PixelRect& rect, int by);
// A start along one side, moved as little as needed to put a length there inside [low, high);
// at low when the length is longer than that.
int HeldInside(int start, int length, int low, int high);
