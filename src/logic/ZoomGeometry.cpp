#include "ZoomGeometry.h"

#include "DpiScaling.h"

#include <algorithm>
#include <iterator>

namespace {

// Screen pixel columns (or rows) a view of that length shows in blocks of that side, a cut one
// included.
int SourceSpan(int length, int block) {
    return (length + block - 1) / block;
}

} // namespace

bool IsZoomFactor(int factor) {
    return std::find(std::begin(kZoomFactors), std::end(kZoomFactors), factor) != std::end(kZoomFactors);
}

int StepZoomFactor(int factor, int steps) {
    const auto* found = std::find(std::begin(kZoomFactors), std::end(kZoomFactors),
                                  IsZoomFactor(factor) ? factor : kZoomFactor);
    const auto last = static_cast<int>(std::size(kZoomFactors)) - 1;
    const int index = std::clamp(static_cast<int>(found - std::begin(kZoomFactors)) + steps, 0, last);
    return kZoomFactors[index];
}

int ZoomBlockAt(int dpi, int factor) {
    return std::max(1, factor * (dpi > 0 ? dpi : kBaseDpi) / kBaseDpi);
}

int GridLineWidth(int block) {
    return std::max(1, block / kZoomFactor);
}

ZoomView ZoomViewAround(PixelPoint click, int dpi, int factor) {
    const int base = ZoomBlockAt(dpi);
    ZoomView view{{}, ZoomBlockAt(dpi, factor), kZoomSourceWidth * base, kZoomSourceHeight * base};
    view.origin = {click.x - view.width / (2 * view.block), click.y - view.height / (2 * view.block)};
    return view;
}

PixelRect ZoomCaptureArea(PixelPoint click, int dpi) {
    const ZoomView widest = ZoomViewAround(click, dpi, kZoomFactors[0]);
    const int columns = SourceSpan(widest.width, widest.block), rows = SourceSpan(widest.height, widest.block);
    return {click.x - columns, click.y - rows, click.x + columns, click.y + rows};
}

ZoomView RezoomedView(const ZoomView& view, int dpi, int factor, PixelPoint anchor, const PixelRect& captured) {
    const PixelPoint source = view.SourceOf(anchor);
    ZoomView next = view;
    next.block = ZoomBlockAt(dpi, factor);
    next.origin = {HeldInside(source.x - anchor.x / next.block, SourceSpan(next.width, next.block),
                              captured.left, captured.right),
                   HeldInside(source.y - anchor.y / next.block, SourceSpan(next.height, next.block),
                              captured.top, captured.bottom)};
    return next;
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

// Pixel by pixel rather than by a scaled draw, whose rounding at the block edges differs
// between platforms.
std::vector<Argb> Magnify(const ScreenArea& capture, const ZoomView& view) {
    std::vector<Argb> image(static_cast<size_t>(view.width) * static_cast<size_t>(view.height), kZoomBlack);
    auto pixel = image.begin();
    for (int v = 0; v < view.height; ++v)
        for (int u = 0; u < view.width; ++u, ++pixel) {
            const PixelPoint source = view.SourceOf({u, v});
            if (capture.area.Contains(source))
                *pixel = Opaque(capture.At(source));
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

std::vector<Argb> WithGrid(const std::vector<Argb>& image, int width, int height, int block, int lineWidth) {
    std::vector<Argb> gridded = image;
    auto at = [&](int x, int y) -> Argb& {
        return gridded[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    };
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
