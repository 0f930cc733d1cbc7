// Turns the picture sources into the files the resource compiler takes.
#include "ImageWriters.h"
#include "PixImage.h"

#include "logic/Palette.h"
#include "logic/Theme.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

// Alpha is dropped: the bitmaps these become have none.
PixImage FromPixels(const std::vector<Argb>& pixels, int width, int height) {
    PixImage image = MakeImage(width, height, 0);
    for (size_t i = 0; i < pixels.size(); ++i)
        image.pixels[i].rgb = static_cast<std::uint32_t>(pixels[i]) & 0xFFFFFFu;
    return image;
}

int Usage() {
    std::fprintf(stderr, "usage: pictool bmp IN.pix OUT.bmp\n"
                         "       pictool cursor BITS IN.pix OUT.cur\n"
                         "       pictool icon OUT.ico IN.pix...\n"
                         "       pictool palette OUT.bmp\n"
                         "       pictool preview THEME OUT.bmp\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 3 && args[0] == "bmp") {
            WriteBmp(ReadPixFile(args[1]), args[2]);
        } else if (args.size() == 4 && args[0] == "cursor") {
            WriteCursor(ReadPixFile(args[2]), std::stoi(args[1]), args[3]);
        } else if (args.size() >= 3 && args[0] == "icon") {
            std::vector<PixImage> images;
            for (size_t i = 2; i < args.size(); ++i)
                images.push_back(ReadPixFile(args[i]));
            WriteIcon(images, args[1]);
        } else if (args.size() == 2 && args[0] == "palette") {
            WriteBmp(FromPixels(RenderPalette(), kPaletteWidth, kPaletteHeight), args[1]);
        } else if (args.size() == 3 && args[0] == "preview") {
            WriteBmp(FromPixels(RenderThemePreview(std::stoi(args[1])), kPreviewWidth, kPreviewHeight),
                     args[2]);
        } else {
            return Usage();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pictool: %s\n", error.what());
        return 1;
    }
    return 0;
}
