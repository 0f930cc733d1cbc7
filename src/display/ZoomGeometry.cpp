#include "ZoomGeometry.h"

#include <algorithm>

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
    const PixelRect overlap{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                            std::min(a.bottom, b.bottom)};
    return overlap.IsEmpty() ? PixelRect{} : overlap;
}

PixelRect ZoomSourceArea(PixelPoint click) {
    const int left = click.x - kZoomClickColumn, top = click.y - kZoomClickRow;
    return {left, top, left + kZoomSourceWidth, top + kZoomSourceHeight};
}

PixelPoint SourcePixelOf(PixelPoint click, PixelPoint zoomPixel) {
    return {click.x - kZoomClickColumn + zoomPixel.x / kZoomFactor,
            click.y - kZoomClickRow + zoomPixel.y / kZoomFactor};
}

PixelPoint ZoomImageOffset(int displayWidth, int displayHeight) {
    return {(displayWidth - kZoomWidth) / 2, (displayHeight - kZoomHeight) / 2};
}

std::optional<PixelPoint> ZoomPixelAt(int displayWidth, int displayHeight, PixelPoint displayPoint) {
    const PixelPoint offset = ZoomImageOffset(displayWidth, displayHeight);
    const PixelPoint zoom{displayPoint.x - offset.x, displayPoint.y - offset.y};
    if (!PixelRect{0, 0, kZoomWidth, kZoomHeight}.Contains(zoom))
        return std::nullopt;
    return zoom;
}

// Block by block rather than by a scaled draw, whose rounding at the block edges differs
// between platforms.
std::vector<Argb> Magnify(const ScreenArea& capture, PixelPoint click) {
    std::vector<Argb> image(static_cast<size_t>(kZoomWidth) * kZoomHeight, kZoomBlack);
    for (int row = 0; row < kZoomSourceHeight; ++row)
        for (int column = 0; column < kZoomSourceWidth; ++column) {
            const PixelPoint source = SourcePixelOf(click, {column * kZoomFactor, row * kZoomFactor});
            if (!capture.area.Contains(source))
                continue;
            const Argb color = capture.At(source) | 0xFF000000u;
            for (int v = row * kZoomFactor; v < (row + 1) * kZoomFactor; ++v)
                std::fill_n(image.begin() + v * kZoomWidth + column * kZoomFactor, kZoomFactor, color);
        }
    return image;
}

std::vector<int> GridLines(int length) {
    std::vector<int> lines;
    for (int position = 0; position < length; position += kGridSpacing)
        lines.push_back(position);
    return lines;
}

Argb BlendGrid(Argb pixel) {
    constexpr Argb alpha = kGridColor >> 24;
    Argb blended = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const Argb line = (kGridColor >> shift) & 0xFF;
        const Argb under = (pixel >> shift) & 0xFF;
        blended |= ((line * alpha + under * (255 - alpha) + 127) / 255) << shift;
    }
    return blended;
}

std::vector<Argb> WithGrid(const std::vector<Argb>& image, int width, int height) {
    std::vector<Argb> gridded = image;
    auto at = [&](int x, int y) -> Argb& { return gridded[static_cast<size_t>(y * width + x)]; };
    for (int x : GridLines(width))
        for (int y = 0; y < height; ++y)
            at(x, y) = BlendGrid(at(x, y));
    for (int y : GridLines(height))
        for (int x = 0; x < width; ++x)
            at(x, y) = BlendGrid(at(x, y));
    return gridded;
}
