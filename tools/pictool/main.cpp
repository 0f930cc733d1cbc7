// Turns the picture sources into the files the resource compiler takes.
#include "ImageWriters.h"
#include "PixImage.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: pictool bmp IN.pix OUT.bmp\n"
                         "       pictool cursor BITS IN.pix OUT.cur\n"
                         "       pictool icon OUT.ico IN.pix...\n");
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
        } else {
            return Usage();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pictool: %s\n", error.what());
        return 1;
    }
    return 0;
}
