#include "ImageWriters.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}
void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

int RowBytes(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

void PutInfoHeader(Bytes& out, int width, int height, int bitsPerPixel, std::uint32_t imageSize, int colors) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bitsPerPixel));
    Put32(out, 0); // BI_RGB
    Put32(out, imageSize);
    Put32(out, 3780); // 96 dpi
    Put32(out, 3780);
    Put32(out, static_cast<std::uint32_t>(colors));
    Put32(out, 0);
}

void PutRgbQuad(Bytes& out, std::uint32_t rgb) {
    out.push_back(static_cast<std::uint8_t>(rgb));
    out.push_back(static_cast<std::uint8_t>(rgb >> 8));
    out.push_back(static_cast<std::uint8_t>(rgb >> 16));
    out.push_back(0);
}

void Save(const Bytes& bytes, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error(path + ": cannot write");
}

// The AND mask of a cursor or icon: 1 where the screen shows through.
void PutMask(Bytes& out, const PixImage& image) {
    const int stride = RowBytes(image.width, 1);
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(static_cast<size_t>(stride), 0);
        for (int x = 0; x < image.width; ++x)
            if (image.At(x, y).kind != PixelKind::Color)
                row[static_cast<size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}

// Directory of an icon (type 1) or cursor (type 2) file with its images' entries.
Bytes Directory(unsigned type, const std::vector<const PixImage*>& images, const std::vector<Bytes>& bodies,
                bool cursor) {
    Bytes out;
    Put16(out, 0);
    Put16(out, type);
    Put16(out, static_cast<unsigned>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<std::uint8_t>(images[i]->width & 0xFF));
        out.push_back(static_cast<std::uint8_t>(images[i]->height & 0xFF));
        out.push_back(0);
        out.push_back(0);
        Put16(out, cursor ? static_cast<unsigned>(images[i]->hotspotX) : 1);
        Put16(out, cursor ? static_cast<unsigned>(images[i]->hotspotY) : 32);
        Put32(out, static_cast<std::uint32_t>(bodies[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies)
        out.insert(out.end(), body.begin(), body.end());
    return out;
}

} // namespace

void WriteBmp(const PixImage& image, const std::string& path) {
    const int stride = RowBytes(image.width, 24);
    const auto imageSize = static_cast<std::uint32_t>(stride * image.height);
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, 14 + 40 + imageSize);
    Put32(out, 0);
    Put32(out, 14 + 40);
    PutInfoHeader(out, image.width, image.height, 24, imageSize, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(static_cast<size_t>(stride), 0);
        for (int x = 0; x < image.width; ++x) {
            const Pixel& pixel = image.At(x, y);
            if (pixel.kind != PixelKind::Color)
                throw std::runtime_error(path + ": a bitmap has no transparent or inverted pixels");
            row[static_cast<size_t>(x * 3)] = static_cast<std::uint8_t>(pixel.rgb);
            row[static_cast<size_t>(x * 3 + 1)] = static_cast<std::uint8_t>(pixel.rgb >> 8);
            row[static_cast<size_t>(x * 3 + 2)] = static_cast<std::uint8_t>(pixel.rgb >> 16);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    Save(out, path);
}

void WriteCursor(const PixImage& image, int bitsPerPixel, const std::string& path) {
    // Index 0 is black and the last used index white: transparent pixels XOR with black,
    // inverted ones with white.
    std::vector<std::uint32_t> palette{0x000000};
    for (const Pixel& pixel : image.pixels)
        if (pixel.kind == PixelKind::Color &&
            std::find(palette.begin(), palette.end(), pixel.rgb) == palette.end())
            palette.push_back(pixel.rgb);
    const int colors = 1 << bitsPerPixel;
    if (std::find(palette.begin(), palette.end(), 0xFFFFFFu) == palette.end())
        palette.push_back(0xFFFFFF);
    if (static_cast<int>(palette.size()) > colors)
        throw std::runtime_error(path + ": too many colours for " + std::to_string(bitsPerPixel) + " bits");
    palette.resize(static_cast<size_t>(colors), 0);
    const auto white =
        static_cast<std::uint32_t>(std::find(palette.begin(), palette.end(), 0xFFFFFFu) - palette.begin());

    const int stride = RowBytes(image.width, bitsPerPixel);
    Bytes body;
    const auto size = static_cast<std::uint32_t>((stride + RowBytes(image.width, 1)) * image.height);
    PutInfoHeader(body, image.width, image.height * 2, bitsPerPixel, size, 0);
    for (std::uint32_t rgb : palette)
        PutRgbQuad(body, rgb);
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(static_cast<size_t>(stride), 0);
        for (int x = 0; x < image.width; ++x) {
            const Pixel& pixel = image.At(x, y);
            std::uint32_t index = 0;
            if (pixel.kind == PixelKind::Invert)
                index = white;
            else if (pixel.kind == PixelKind::Color)
                index = static_cast<std::uint32_t>(std::find(palette.begin(), palette.end(), pixel.rgb) -
                                                   palette.begin());
            if (bitsPerPixel == 8)
                row[static_cast<size_t>(x)] = static_cast<std::uint8_t>(index);
            else if (index)
                row[static_cast<size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        body.insert(body.end(), row.begin(), row.end());
    }
    PutMask(body, image);
    Save(Directory(2, {&image}, {body}, true), path);
}

void WriteIcon(const std::vector<PixImage>& images, const std::string& path) {
    std::vector<const PixImage*> entries;
    std::vector<Bytes> bodies;
    for (const PixImage& image : images) {
        Bytes body;
        PutInfoHeader(body, image.width, image.height * 2, 32, 0, 0);
        for (int y = image.height - 1; y >= 0; --y)
            for (int x = 0; x < image.width; ++x) {
                const Pixel& pixel = image.At(x, y);
                if (pixel.kind == PixelKind::Invert)
                    throw std::runtime_error(path + ": an icon has no inverted pixels");
                const bool opaque = pixel.kind == PixelKind::Color;
                PutRgbQuad(body, opaque ? pixel.rgb : 0);
                body.back() = opaque ? 0xFF : 0x00;
            }
        PutMask(body, image);
        entries.push_back(&image);
        bodies.push_back(std::move(body));
    }
    Save(Directory(1, entries, bodies, false), path);
}
