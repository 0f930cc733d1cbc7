#include "ColorNotation.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// The hue is sector + 60 × difference / diff degrees, from the largest channel's sector of the
// wheel. Worked in whole numbers: a fraction in floating point can land a hair below a whole
// hue and lose a degree. Ties for the largest channel go to red before green, green before blue.
struct HueParts {
    int sector;
    int difference;
};
HueParts HuePartsOf(const RgbColor& rgb, int max) {
    if (rgb.red == max)
        return {0, rgb.green - rgb.blue};
    if (rgb.green == max)
        return {120, rgb.blue - rgb.red};
    return {240, rgb.red - rgb.green};
}

// Rounded down, also below zero.
int FloorDivide(int numerator, int denominator) {
    return numerator >= 0 ? numerator / denominator : -((-numerator + denominator - 1) / denominator);
}

// A hue that comes out negative is taken round by 360 degrees.
int OnTheWheel(int hue) {
    return hue < 0 ? hue + 360 : hue;
}

// The nearest whole number to numerator / denominator, halves up; both not negative.
int RoundedQuotient(int numerator, int denominator) {
    return (2 * numerator + denominator) / (2 * denominator);
}

} // namespace

HsbColor RgbToHsb(const RgbColor& rgb) {
    const int max = std::max({rgb.red, rgb.green, rgb.blue});
    const int min = std::min({rgb.red, rgb.green, rgb.blue});
    const int diff = max - min;
    if (diff == 0)
        return {0, 0, max};
    // Whole numbers: 255 diff / max rounded down is what the floating-point quotient gave for
    // every pair, in a fraction of the time.
    const int saturation = 255 * diff / max;
    // Truncated: rounded down, so a negative hue's is the whole degree below.
    const HueParts parts = HuePartsOf(rgb, max);
    return {OnTheWheel(parts.sector + FloorDivide(60 * parts.difference, diff)), saturation, max};
}

HslColor RgbToHsl(const RgbColor& rgb) {
    const int max = std::max({rgb.red, rgb.green, rgb.blue});
    const int min = std::min({rgb.red, rgb.green, rgb.blue});
    const int diff = max - min, sum = max + min;
    const int lightness = RoundedQuotient(100 * sum, 2 * 255);
    if (diff == 0)
        return {0, 0, lightness};
    // diff / (1 − |2 × lightness − 1|), on the 0..255 scale of the channels.
    const int saturation = RoundedQuotient(100 * diff, 255 - std::abs(sum - 255));
    const HueParts parts = HuePartsOf(rgb, max);
    return {OnTheWheel(parts.sector + FloorDivide(120 * parts.difference + diff, 2 * diff)), saturation,
            lightness};
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

const wchar_t* NotationName(ColorNotation notation) {
    constexpr const wchar_t* kNames[kNotationCount] = {L"COLREF", L"RGB", L"HEX", L"HSB", L"CMYK"};
    return IsNotation(static_cast<int>(notation)) ? kNames[static_cast<int>(notation)] : kNames[0];
}
