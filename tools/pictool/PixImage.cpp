#include "PixImage.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

PixImage MakeImage(int width, int height, std::uint32_t rgb) {
    PixImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * height, Pixel{PixelKind::Color, rgb});
    return image;
}

PixImage ReadPixFile(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error(path + ": cannot open");
    PixImage image;
    std::map<char, Pixel> palette;
    enum class Section { Header, Colors, Pixels } section = Section::Header;
    std::string line;
    int lineNumber = 0;
    int row = 0;
    auto fail = [&](const std::string& why) {
        throw std::runtime_error(path + ":" + std::to_string(lineNumber) + ": " + why);
    };
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (section != Section::Pixels && (line.empty() || line[0] == '#'))
            continue;
        if (line == "colors") {
            section = Section::Colors;
            continue;
        }
        if (line == "pixels") {
            if (image.width <= 0 || image.height <= 0)
                fail("size must come before pixels");
            image.pixels.resize(static_cast<size_t>(image.width) * image.height);
            section = Section::Pixels;
            continue;
        }
        std::istringstream words(line);
        switch (section) {
        case Section::Header: {
            std::string key;
            words >> key;
            if (key == "size")
                words >> image.width >> image.height;
            else if (key == "hotspot")
                words >> image.hotspotX >> image.hotspotY;
            else
                fail("unknown header '" + key + "'");
            if (!words)
                fail("two numbers expected");
            break;
        }
        case Section::Colors: {
            if (line.size() < 3 || line[1] != ' ')
                fail("expected '<key> <colour>'");
            const std::string value = line.substr(2, line.find(' ', 2) - 2);
            Pixel pixel;
            if (value == "transparent")
                pixel.kind = PixelKind::Transparent;
            else if (value == "invert")
                pixel.kind = PixelKind::Invert;
            else if (value.size() == 7 && value[0] == '#')
                pixel.rgb = static_cast<std::uint32_t>(std::stoul(value.substr(1), nullptr, 16));
            else
                fail("colour must be #RRGGBB, transparent or invert");
            palette[line[0]] = pixel;
            break;
        }
        case Section::Pixels: {
            if (row >= image.height)
                fail("more rows than the size says");
            if (static_cast<int>(line.size()) != image.width)
                fail("row is " + std::to_string(line.size()) + " wide, not " + std::to_string(image.width));
            for (int x = 0; x < image.width; ++x) {
                const auto found = palette.find(line[static_cast<size_t>(x)]);
                if (found == palette.end())
                    fail(std::string("key '") + line[static_cast<size_t>(x)] + "' is not in the colours");
                image.At(x, row) = found->second;
            }
            ++row;
            break;
        }
        }
    }
    if (row != image.height)
        throw std::runtime_error(path + ": " + std::to_string(row) + " rows, expected " +
                                 std::to_string(image.height));
    return image;
}
