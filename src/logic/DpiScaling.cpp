#include "DpiScaling.h"

namespace {

int ValidDpi(int dpi) {
    return dpi > 0 ? dpi : kBaseDpi;
}

} // namespace

int RescaleDpi(int pixels, int fromDpi, int toDpi) {
    const long long product = static_cast<long long>(pixels) * ValidDpi(toDpi);
    const long long divisor = ValidDpi(fromDpi);
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : -((-product + half) / divisor));
}

int ScaleToDpi(int pixels, int dpi) {
    return RescaleDpi(pixels, kBaseDpi, dpi);
}

PixelRect RescaleDpi(const PixelRect& rect, int fromDpi, int toDpi) {
    return {RescaleDpi(rect.left, fromDpi, toDpi), RescaleDpi(rect.top, fromDpi, toDpi),
            RescaleDpi(rect.right, fromDpi, toDpi), RescaleDpi(rect.bottom, fromDpi, toDpi)};
}

PixelRect ScaleToDpi(const PixelRect& rect, int dpi) {
    return RescaleDpi(rect, kBaseDpi, dpi);
}

int NearestSource(int target, int sourceLength, int targetLength) {
    return static_cast<int>((2LL * target + 1) * sourceLength / (2LL * targetLength));
}

std::vector<Argb> ScaleNearest(const std::vector<Argb>& pixels, int width, int height, int newWidth,
                               int newHeight) {
    if (width <= 0 || height <= 0 || newWidth <= 0 || newHeight <= 0 ||
        pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(height))
        return {};
    std::vector<Argb> scaled;
    scaled.reserve(static_cast<size_t>(newWidth) * static_cast<size_t>(newHeight));
    for (int y = 0; y < newHeight; ++y) {
        const size_t row =
            static_cast<size_t>(NearestSource(y, height, newHeight)) * static_cast<size_t>(width);
        for (int x = 0; x < newWidth; ++x)
            scaled.push_back(pixels[row + static_cast<size_t>(NearestSource(x, width, newWidth))]);
    }
    return scaled;
}
