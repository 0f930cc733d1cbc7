#include "ColorNotation.h"

#include <algorithm>
#include <cwchar>

HsbColor RgbToHsb(const RgbColor& rgb) {
    const int max = std::max({rgb.red, rgb.green, rgb.blue});
    const int min = std::min({rgb.red, rgb.green, rgb.blue});
    const int diff = max - min;
    if (diff == 0)
        return {0, 0, max};
    const int saturation = static_cast<int>(static_cast<double>(diff) / max * 255.0);
    // Ties for the largest channel go to red before green, green before blue.
    double h;
    if (rgb.red == max)
        h = static_cast<double>(rgb.green - rgb.blue) / diff;
    else if (rgb.green == max)
        h = static_cast<double>(rgb.blue - rgb.red) / diff + 2.0;
    else
        h = static_cast<double>(rgb.red - rgb.green) / diff + 4.0;
    h *= 60.0;
    if (h < 0.0)
        h += 360.0;
    if (h == 360.0)
        h = 0.0;
    return {static_cast<int>(h), saturation, max};
}

CmykColor RgbToCmyk(int red, int green, int blue) {
    const double c = 1.0 - red / 255.0;
    const double m = 1.0 - green / 255.0;
    const double y = 1.0 - blue / 255.0;
    const double k = std::min({c, m, y});
    if (k >= 1.0)
        return {0, 0, 0, 100};
    auto percent = [k](double part) {
        return static_cast<int>(static_cast<std::uint8_t>((part - k) / (1.0 - k) * 100.0 + 0.5));
    };
    return {percent(c), percent(m), percent(y), static_cast<int>(static_cast<std::uint8_t>(k * 100.0 + 0.5))};
}

std::wstring HexText(ColorRef color) {
    wchar_t text[8];
    std::swprintf(text, 8, L"%02X%02X%02X", RedOf(color), GreenOf(color), BlueOf(color));
    return text;
}

std::wstring NotationText(ColorNotation notation, ColorRef color) {
    const int r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
    wchar_t text[48];
    switch (notation) {
    case ColorNotation::Rgb:
        std::swprintf(text, 48, L"%d, %d, %d", r, g, b);
        break;
    case ColorNotation::Hex:
        return HexText(color);
    case ColorNotation::Hsb: {
        const HsbColor hsb = RgbToHsb({r, g, b});
        std::swprintf(text, 48, L"%d, %d, %d", hsb.hue, hsb.saturation, hsb.brightness);
        break;
    }
    case ColorNotation::Cmyk: {
        const CmykColor cmyk = RgbToCmyk(r, g, b);
        std::swprintf(text, 48, L"%d, %d, %d, %d", cmyk.cyan, cmyk.magenta, cmyk.yellow, cmyk.black);
        break;
    }
    case ColorNotation::Colref:
    default:
        std::swprintf(text, 48, L"%d", static_cast<std::int32_t>(color));
        break;
    }
    return text;
}
