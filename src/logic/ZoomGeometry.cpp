#include "ZoomGeometry.h"

#include "DpiScaling.h"

#include <algorithm>

int ZoomBlockAt(int dpi) {
    return std::max(1, kZoomFactor * (dpi > 0 ? dpi : kBaseDpi) / kBaseDpi);
}

int GridLineWidth(int block) {
    return std::max(1, block / kZoomFactor);
}

PixelRect ZoomSourceArea(PixelPoint click) {
    const int left = click.x - kZoomClickColumn, top = click.y - kZoomClickRow;
    return {left, top, left + kZoomSourceWidth, top + kZoomSourceHeight};
}

PixelPoint SourcePixelOf(PixelPoint click, PixelPoint zoomPixel, int block) {
    return {click.x - kZoomClickColumn + zoomPixel.x / block, click.y - kZoomClickRow + zoomPixel.y / block};
}

PixelPoint ZoomImageOffset(int displayWidth, int displayHeight, int block) {
    return {(displayWidth - kZoomSourceWidth * block) / 2, (displayHeight - kZoomSourceHeight * block) / 2};
}

std::optional<PixelPoint> ZoomPixelAt(int displayWidth, int displayHeight, PixelPoint displayPoint,
                                      int block) {
    const PixelPoint offset = ZoomImageOffset(displayWidth, displayHeight, block);
    const PixelPoint zoom{displayPoint.x - offset.x, displayPoint.y - offset.y};
    if (!PixelRect{0, 0, kZoomSourceWidth * block, kZoomSourceHeight * block}.Contains(zoom))
        return std::nullopt;
    return zoom;
}

// Block by block rather than by a scaled draw, whose rounding at the block edges differs
// between platforms.
std::vector<Argb> Magnify(const ScreenArea& capture, PixelPoint click, int block) {
    const int width = kZoomSourceWidth * block;
    std::vector<Argb> image(static_cast<size_t>(width) * kZoomSourceHeight * block, kZoomBlack);
    for (int row = 0; row < kZoomSourceHeight; ++row)
        for (int column = 0; column < kZoomSourceWidth; ++column) {
            const PixelPoint source = SourcePixelOf(click, {column * block, row * block}, block);
            if (!capture.area.Contains(source))
                continue;
            const Argb color = Opaque(capture.At(source));
            for (int v = row * block; v < (row + 1) * block; ++v)
                std::fill_n(image.begin() + std::ptrdiff_t{v} * width + std::ptrdiff_t{column} * block, block,
                            color);
        }
    return image;
}

std::vector<int> GridLines(int length, int spacing) {
    std::vector<int> lines;
    for (int position = 0; position < length; position += spacing)
        lines.push_back(position);
    return lines;
}

Argb BlendGrid(Argb pixel) {
    constexpr auto grid = static_cast<std::uint32_t>(kGridColor);
    constexpr std::uint32_t alpha = grid >> 24;
    std::uint32_t blended = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t line = (grid >> shift) & 0xFF;
        const std::uint32_t under = (static_cast<std::uint32_t>(pixel) >> shift) & 0xFF;
        blended |= ((line * alpha + under * (255 - alpha) + 127) / 255) << shift;
    }
    return Argb{blended};
}

std::vector<Argb> WithGrid(const std::vector<Argb>& image, int width, int height, int block) {
    std::vector<Argb> gridded = image;
    auto at = [&](int x, int y) -> Argb& {
        return gridded[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    };
    const int lineWidth = GridLineWidth(block);
    for (int line : GridLines(width, block))
        for (int x = line; x < std::min(line + lineWidth, width); ++x)
            for (int y = 0; y < height; ++y)
                at(x, y) = BlendGrid(at(x, y));
    for (int line : GridLines(height, block))
        for (int y = line; y < std::min(line + lineWidth, height); ++y)
            for (int x = 0; x < width; ++x)
                at(x, y) = BlendGrid(at(x, y));
    return gridded;
}
