#include "Loupe.h"

#include "DpiScaling.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

PixelRect At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

// A picture of that width, rows top first, filled over the rectangle where the two meet.
void Fill(std::vector<Argb>& image, int width, const PixelRect& area, Argb color) {
    const auto height = static_cast<int>(image.size()) / width;
    const PixelRect filled = Intersect(area, {0, 0, width, height});
    for (int y = filled.top; y < filled.bottom; ++y)
        std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(y) * width + filled.left, filled.Width(),
                    color);
}

// A ring of that width outside the rectangle.
void Ring(std::vector<Argb>& image, int width, const PixelRect& inner, int ringWidth, Argb color) {
    const PixelRect outer = Grown(inner, ringWidth);
    Fill(image, width, {outer.left, outer.top, outer.right, inner.top}, color);
    Fill(image, width, {outer.left, inner.bottom, outer.right, outer.bottom}, color);
    Fill(image, width, {outer.left, inner.top, inner.left, inner.bottom}, color);
    Fill(image, width, {inner.right, inner.top, outer.right, inner.bottom}, color);
}

} // namespace

bool IsSampleSide(int side) {
    return std::find(std::begin(kSampleSides), std::end(kSampleSides), side) != std::end(kSampleSides);
}

PixelRect SampleSquare(PixelPoint center, int side) {
    const int half = side / 2;
    return {center.x - half, center.y - half, center.x - half + side, center.y - half + side};
}

Argb MeanColor(const ScreenArea& capture, const PixelRect& square) {
    const PixelRect counted = Intersect(capture.area, square);
    const long long count = static_cast<long long>(counted.Width()) * counted.Height();
    if (count == 0)
        return Argb{0xFF000000};
    long long sums[3] = {};
    for (int y = counted.top; y < counted.bottom; ++y)
        for (int x = counted.left; x < counted.right; ++x) {
            const ColorRef color = ToColorRef(capture.At({x, y}));
            sums[0] += RedOf(color);
            sums[1] += GreenOf(color);
            sums[2] += BlueOf(color);
        }
    const auto rounded = [count](long long sum) { return static_cast<int>((2 * sum + count) / (2 * count)); };
    return ToArgb(MakeColorRef(rounded(sums[0]), rounded(sums[1]), rounded(sums[2])));
}

LoupeView LoupeViewAround(PixelPoint pointer, int dpi, int factor) {
    const int side = ScaleToDpi(kLoupeSide, dpi);
    const int block = std::min(ZoomBlockAt(dpi, factor), side);
    const int across = (side / block - 1) | 1;
    const int half = across / 2;
    return {{pointer.x - half, pointer.y - half, pointer.x + half + 1, pointer.y + half + 1},
            block,
            side,
            (side - across * block) / 2};
}

PixelRect FramedSquare(const LoupeView& view, int sampleSide) {
    const int first = view.margin + (view.source.Width() - sampleSide) / 2 * view.block;
    const int length = sampleSide * view.block;
    return At(first, first, length, length);
}

std::vector<Argb> LoupeFace(const ScreenArea& capture, const LoupeView& view, int sampleSide, int dpi,
                            int width, int height) {
    std::vector<Argb> image(static_cast<size_t>(width) * static_cast<size_t>(height), kLoupeBorder);
    Fill(image, width, Grown({0, 0, width, height}, -1), kLoupeFace);
    const int padding = ScaleToDpi(kLoupePadding, dpi);
    Fill(image, width, At(padding, padding, view.side, view.side), kLoupeBorder);
    const ZoomView zoom = view.AsZoomView();
    const std::vector<Argb> magnified = Magnify(capture, zoom);
    const int left = padding + view.margin;
    for (int y = 0; y < zoom.height && left + y < height; ++y)
        std::copy_n(magnified.begin() + static_cast<std::ptrdiff_t>(y) * zoom.width,
                    std::min(zoom.width, width - left),
                    image.begin() + static_cast<std::ptrdiff_t>(left + y) * width + left);
    const int ring = ScaleToDpi(kLoupeRing, dpi);
    const PixelRect framed = FramedSquare(view, sampleSide);
    const PixelRect square = At(padding + framed.left, padding + framed.top, framed.Width(), framed.Height());
    Ring(image, width, square, ring, kLoupeDarkRing);
    Ring(image, width, Grown(square, ring), ring, kLoupeLightRing);
    return image;
}

PixelRect LoupePlace(PixelPoint pointer, int width, int height, const PixelRect& keepClear,
                     const PixelRect& monitor, int gap) {
    const int top = HeldInside(pointer.y + gap, height, monitor.top, monitor.bottom);
    const int left = HeldInside(pointer.x + gap, width, monitor.left, monitor.right);
    const PixelRect sides[] = {
        At(keepClear.right + gap, top, width, height),
        At(keepClear.left - gap - width, top, width, height),
        At(left, keepClear.bottom + gap, width, height),
        At(left, keepClear.top - gap - height, width, height),
    };
    for (const PixelRect& place : sides)
        if (monitor.Holds(place))
            return place;
    return At(HeldInside(sides[0].left, width, monitor.left, monitor.right), top, width, height);
}

std::wstring LoupeText(ColorNotation notation, ColorRef color, PixelPoint pointer) {
    return NotationText(notation, color) + L"\n" + std::to_wstring(pointer.x) + L", " +
           std::to_wstring(pointer.y);
}
