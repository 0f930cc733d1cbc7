#include "ColorNotation.h"

#include <algorithm>
#include <array>

HsbColor RgbToHsb(const RgbColor& rgb) {
    const int max = std::max({rgb.red, rgb.green, rgb.blue});
    const int min = std::min({rgb.red, rgb.green, rgb.blue});
    const int diff = max - min;
    if (diff == 0)
        return {0, 0, max};
    const int saturation = static_cast<int>(static_cast<double>(diff) / max * 255.0);
    // In whole numbers: 60 degrees per unit of (difference / diff) from the largest channel's
    // sector. A fraction in floating point can land a hair below a whole hue and lose a degree.
    // Ties for the largest channel go to red before green, green before blue.
    int sector;
    int difference;
    if (rgb.red == max) {
        sector = 0;
        difference = rgb.green - rgb.blue;
    } else if (rgb.green == max) {
        sector = 120;
        difference = rgb.blue - rgb.red;
    } else {
        sector = 240;
        difference = rgb.red - rgb.green;
    }
    // Rounded down, also below zero: a hue that comes out negative is taken round by 360 degrees,
    // and its truncation is then the whole degree below.
    const int scaled = 60 * difference;
    const int degrees = scaled >= 0 ? scaled / diff : -((-scaled + diff - 1) / diff);
    int hue = sector + degrees;
    if (hue < 0)
        hue += 360;
    return {hue, saturation, max};
}

CmykColor RgbToCmyk(int red, int green, int blue) {
    const double cyan = 1.0 - red / 255.0;
    const double magenta = 1.0 - green / 255.0;
    const double yellow = 1.0 - blue / 255.0;
    const double black = std::min({cyan, magenta, yellow});
    if (black >= 1.0)
        return {0, 0, 0, 100};
    auto percent = [black](double part) {
        return static_cast<int>(static_cast<std::uint8_t>((part - black) / (1.0 - black) * 100.0 + 0.5));
    };
    return {percent(cyan), percent(magenta), percent(yellow),
            static_cast<int>(static_cast<std::uint8_t>(black * 100.0 + 0.5))};
}

namespace {

// The digits of 0 to 999, most of all the numbers written: every channel, hue and percentage.
struct SmallNumber {
    char digits[3];
    std::uint8_t length;
};
constexpr int kSmallNumbers = 1000;
constexpr auto kSmallNumberTexts = [] {
    std::array<SmallNumber, kSmallNumbers> texts{};
    for (int value = 0; value < kSmallNumbers; ++value) {
        SmallNumber& text = texts[static_cast<size_t>(value)];
        text.length = value >= 100 ? 3 : value >= 10 ? 2 : 1;
        for (int i = text.length - 1, rest = value; i >= 0; --i, rest /= 10)
            text.digits[i] = static_cast<char>('0' + rest % 10);
    }
    return texts;
}();

// Writes numbers and separators one after the other; no formatting library, no allocation,
// since the panel makes five texts for every step of a slider.
class TextWriter {
  public:
    explicit TextWriter(wchar_t* out) : start(out), end(out) {}

    TextWriter& Number(std::int32_t value) {
        if (value >= 0 && value < kSmallNumbers) {
            const SmallNumber& text = kSmallNumberTexts[static_cast<size_t>(value)];
            for (int i = 0; i < text.length; ++i)
                *end++ = static_cast<wchar_t>(text.digits[i]);
            return *this;
        }
        auto magnitude = static_cast<std::uint32_t>(value);
        if (value < 0) {
            *end++ = L'-';
            magnitude = 0u - magnitude;
        }
        int length = 1;
        for (std::uint32_t rest = magnitude; rest >= 10; rest /= 10)
            ++length;
        end += length;
        wchar_t* digit = end;
        do {
            *--digit = static_cast<wchar_t>(L'0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        return *this;
    }
    // "a, b, c" and so on.
    template <typename... More> TextWriter& List(int first, More... more) {
        Number(first);
        ((Separator(), Number(more)), ...);
        return *this;
    }
    TextWriter& HexByte(int value) {
        constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
        *end++ = kDigits[(value >> 4) & 0xF];
        *end++ = kDigits[value & 0xF];
        return *this;
    }
    size_t Finish() {
        *end = L'\0';
        return static_cast<size_t>(end - start);
    }

  private:
    void Separator() {
        *end++ = L',';
        *end++ = L' ';
    }

    wchar_t* start;
    wchar_t* end;
};

} // namespace

size_t WriteNotationText(ColorNotation notation, ColorRef color, wchar_t (&text)[kNotationTextCapacity]) {
    const int red = RedOf(color), green = GreenOf(color), blue = BlueOf(color);
    TextWriter writer(text);
    switch (notation) {
    case ColorNotation::Rgb:
        writer.List(red, green, blue);
        break;
    case ColorNotation::Hex:
        writer.HexByte(red).HexByte(green).HexByte(blue);
        break;
    case ColorNotation::Hsb: {
        const HsbColor hsb = RgbToHsb({red, green, blue});
        writer.List(hsb.hue, hsb.saturation, hsb.brightness);
        break;
    }
    case ColorNotation::Cmyk: {
        const CmykColor cmyk = RgbToCmyk(red, green, blue);
        writer.List(cmyk.cyan, cmyk.magenta, cmyk.yellow, cmyk.black);
        break;
    }
    case ColorNotation::Colref:
    default:
        writer.Number(static_cast<std::int32_t>(color));
        break;
    }
    return writer.Finish();
}

std::wstring NotationText(ColorNotation notation, ColorRef color) {
    wchar_t text[kNotationTextCapacity];
    return std::wstring(text, WriteNotationText(notation, color, text));
}
