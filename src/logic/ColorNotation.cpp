#include "ColorNotation.h"

#include <algorithm>
#include <array>

HsbColor RgbToHsb(const RgbColor& rgb) {
    const int max = std::max({rgb.red, rgb.green, rgb.blue});
    const int min = std::min({rgb.red, rgb.green, rgb.blue});
    const int diff = max - min;
    if (diff == 0)
        return {0, 0, max};
    // Whole numbers throughout: 255 diff / max rounded down is what the floating-point quotient
    // gave for every pair, in a fraction of the time.
    const int saturation = 255 * diff / max;
    // 60 degrees per unit of (difference / diff) from the largest channel's sector. A fraction in
    // floating point can land a hair below a whole hue and lose a degree.
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

namespace {

// The share of one ink at an exact half, where the floating-point quotient the texts have always
// shown lands a hair to either side, a third of the time below.
int HalfwayInkPercent(int channel, int max) {
    const double black = 1.0 - max / 255.0;
    return static_cast<int>((1.0 - channel / 255.0 - black) / (1.0 - black) * 100.0 + 0.5);
}

// The share of one ink, 100 (max - channel) / max to the nearest whole, in whole numbers.
int InkPercent(int channel, int max) {
    const int twiceAbove = 200 * (max - channel) + max; // (2 x the share + 1) x max
    const int twiceMax = 2 * max;
    return twiceAbove % twiceMax != 0 ? twiceAbove / twiceMax : HalfwayInkPercent(channel, max);
}

} // namespace

CmykColor RgbToCmyk(int red, int green, int blue) {
    const int max = std::max({red, green, blue});
    if (max == 0)
        return {0, 0, 0, 100};
    // Black, 100 (255 - max) / 255 rounded half up, never falls on a half.
    return {InkPercent(red, max), InkPercent(green, max), InkPercent(blue, max),
            (200 * (255 - max) + 255) / 510};
}

namespace {

// The digits of 0 to 999, most of all the numbers written: every channel, hue and percentage;
// with leading zeros too, for the groups of three after the first in a longer number.
struct SmallNumber {
    char digits[3];
    char padded[3];
    std::uint8_t length;
};
constexpr std::uint32_t kSmallNumbers = 1000;
constexpr auto kSmallNumberTexts = [] {
    std::array<SmallNumber, kSmallNumbers> texts{};
    for (std::uint32_t value = 0; value < kSmallNumbers; ++value) {
        SmallNumber& text = texts[value];
        text.length = value >= 100 ? 3 : value >= 10 ? 2 : 1;
        for (int i = 2, rest = static_cast<int>(value); i >= 0; --i, rest /= 10)
            text.padded[i] = static_cast<char>('0' + rest % 10);
        for (int i = 0; i < text.length; ++i)
            text.digits[i] = text.padded[3 - text.length + i];
    }
    return texts;
}();

// Writes numbers and separators one after the other; no formatting library, no allocation,
// since the panel makes five texts for every step of a slider.
class TextWriter {
  public:
    explicit TextWriter(wchar_t* out) : start(out), end(out) {}

    TextWriter& Number(std::int32_t value) {
        const auto small = static_cast<std::uint32_t>(value); // a negative one too large
        return small < kSmallNumbers ? Leading(small) : LongNumber(value);
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
    TextWriter& Leading(std::uint32_t value) {
        const SmallNumber& text = kSmallNumberTexts[value];
        Three(text.digits);
        end += text.length;
        return *this;
    }
    // In groups of three digits: the first as it is, the others with their leading zeros.
    TextWriter& LongNumber(std::int32_t value) {
        auto magnitude = static_cast<std::uint32_t>(value);
        if (value < 0) {
            *end++ = L'-';
            magnitude = 0u - magnitude;
        }
        std::uint32_t groups[4];
        int count = 0;
        for (; magnitude >= kSmallNumbers; magnitude /= kSmallNumbers)
            groups[count++] = magnitude % kSmallNumbers;
        Leading(magnitude);
        while (count > 0) {
            Three(kSmallNumberTexts[groups[--count]].padded);
            end += 3;
        }
        return *this;
    }
    // All three, also past a shorter number's digits, without a branch on its length: the next
    // character or the final zero writes over the rest, and no text comes within three of the
    // buffer's end.
    void Three(const char (&digits)[3]) {
        end[0] = static_cast<wchar_t>(digits[0]);
        end[1] = static_cast<wchar_t>(digits[1]);
        end[2] = static_cast<wchar_t>(digits[2]);
    }
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
