#include "ClipboardText.h"

#include <algorithm>
#include <cstdio>

std::string ClipboardText(ColorNotation notation, ColorRef color) {
    const std::wstring text = NotationText(notation, color);
    const bool inParentheses =
        notation == ColorNotation::Rgb || notation == ColorNotation::Hsb || notation == ColorNotation::Cmyk;
    // Each UTF-16 unit keeps its low byte; the texts are ASCII.
    std::string narrow(text.size() + (inParentheses ? 2 : 0), '(');
    std::transform(text.begin(), text.end(), narrow.begin() + (inParentheses ? 1 : 0),
                   [](wchar_t unit) { return static_cast<char>(unit & 0xFF); });
    if (inParentheses)
        narrow.back() = ')';
    return narrow;
}

std::string CodeText(ColorNotation notation, ColorRef color) {
    const RgbColor rgb{RedOf(color), GreenOf(color), BlueOf(color)};
    // Room for the longest, "device-cmyk(100% 100% 100% 100%)".
    char text[40];
    switch (notation) {
    case ColorNotation::Rgb:
        return "rgb" + ClipboardText(notation, color);
    case ColorNotation::Hex:
        return "#" + ClipboardText(notation, color);
    case ColorNotation::Hsb: {
        const HslColor hsl = RgbToHsl(rgb);
        std::snprintf(text, sizeof text, "hsl(%d, %d%%, %d%%)", hsl.hue, hsl.saturation, hsl.lightness);
        return text;
    }
    case ColorNotation::Cmyk: {
        const CmykColor cmyk = RgbToCmyk(rgb.red, rgb.green, rgb.blue);
        std::snprintf(text, sizeof text, "device-cmyk(%d%% %d%% %d%% %d%%)", cmyk.cyan, cmyk.magenta,
                      cmyk.yellow, cmyk.black);
        return text;
    }
    case ColorNotation::Colref:
    default:
        std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(color));
        return text;
    }
}
