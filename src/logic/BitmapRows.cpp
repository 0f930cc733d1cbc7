#include "BitmapRows.h"

#include <cstring>

namespace {

constexpr std::size_t kInfoHeaderSize = 40; // BITMAPINFOHEADER; later versions are longer
constexpr std::int32_t kLargestSide = 1 << 15;
constexpr std::uint32_t kMostColors = 256;
constexpr std::uint32_t kUncompressed = 0; // BI_RGB

template <typename T> T ReadAt(const std::uint8_t* data, std::size_t offset) {
    T value;
    std::memcpy(&value, data + offset, sizeof(value));
    return value;
}

} // namespace

std::optional<RowLayout> Read24BitRows(const std::uint8_t* data, std::size_t size) {
    if (!data || size < kInfoHeaderSize)
        return std::nullopt;
    const auto headerSize = ReadAt<std::uint32_t>(data, 0);
    const auto width = ReadAt<std::int32_t>(data, 4);
    const auto height = ReadAt<std::int32_t>(data, 8);
    const auto colorsUsed = ReadAt<std::uint32_t>(data, 32);
    if (headerSize < kInfoHeaderSize || ReadAt<std::uint16_t>(data, 12) != 1 ||
        ReadAt<std::uint16_t>(data, 14) != 24 || ReadAt<std::uint32_t>(data, 16) != kUncompressed ||
        width <= 0 || width > kLargestSide || height == 0 || height < -kLargestSide ||
        height > kLargestSide || colorsUsed > kMostColors)
        return std::nullopt;
    const int rows = height < 0 ? -height : height;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::size_t pixels = std::size_t{headerSize} + std::size_t{colorsUsed} * 4;
    if (headerSize > size || pixels > size || stride * static_cast<std::size_t>(rows) > size - pixels)
        return std::nullopt;
    const auto step = static_cast<std::ptrdiff_t>(stride);
    if (height < 0)
        return RowLayout{pixels, step, width, rows};
    return RowLayout{pixels + stride * static_cast<std::size_t>(rows - 1), -step, width, rows};
}
