#pragma once
// The pixels of a bitmap resource, read without windows: a BITMAPINFOHEADER, any colour table,
// then the rows, each padded to four bytes, the bottom row first unless the height is negative.
#include <cstddef>
#include <cstdint>
#include <optional>

// Where the rows of a 24-bit picture lie in a buffer: the top row at `first`, each next one
// `stride` bytes on (a negative stride for rows stored bottom up), three bytes a pixel.
struct RowLayout {
    std::size_t first;
    std::ptrdiff_t stride;
    int width;
    int height;
};

// The rows of an uncompressed 24-bit bitmap that the resource holds whole; nothing for any
// other kind of bitmap or a resource too short for its rows.
std::optional<RowLayout> Read24BitRows(const std::uint8_t* data, std::size_t size);
